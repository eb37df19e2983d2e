<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>EssentialOil</name>
    <message>
        <source>Tea Tree</source>
        <translation>עץ התה</translation>
    </message>
    <message>
        <source>Cedarwood</source>
        <translation>ארז</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>ורד</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>לבנדר</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>תפוז</translation>
    </message>
    <message>
        <source>Sandalwood</source>
        <translation>סנדלווד</translation>
    </message>
    <message>
        <source>Citronella</source>
        <translation>סיטרונלה</translation>
    </message>
    <message>
        <source>Geranium</source>
        <translation>גרניום</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ליים</translation>
    </message>
    <message>
        <source>Bergamot</source>
        <translation>ברגמוט</translation>
    </message>
    <message>
        <source>Thyme</source>
        <translation>טימין</translation>
    </message>
    <message>
        <source>Eucalyptus</source>
        <translation>אקליפטוס</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>ג׳ינג׳ר</translation>
    </message>
    <message>
        <source>Rosemary</source>
        <translation>רוזמרין</translation>
    </message>
    <message>
        <source>Anise</source>
        <translation>אניס</translation>
    </message>
    <message>
        <source>Peppermint</source>
        <translation>מנטה חריפה</translation>
    </message>
    <message>
        <source>Neroli</source>
        <translation>נרולי</translation>
    </message>
    <message>
        <source>Wintergreen</source>
        <translation>וינטרגרין</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>לימון</translation>
    </message>
    <message>
        <source>Myrrh</source>
        <translation>מור</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>ציפורן</translation>
    </message>
    <message>
        <source>Clary Sage</source>
        <translation>מרווה מוסקטית</translation>
    </message>
    <message>
        <source>Frankincense</source>
        <translation>לבונה</translation>
    </message>
    <message>
        <source>Patchouli</source>
        <translation>פצ׳ולי</translation>
    </message>
    <message>
        <source>Jasmine</source>
        <translation>יסמין</translation>
    </message>
    <message>
        <source>Ylang Ylang</source>
        <translation>ילנג ילנג</translation>
    </message>
    <message>
        <source>Nutmeg</source>
        <translation>אגוז מוסקט</translation>
    </message>
    <message>
        <source>Spearmint</source>
        <translation>נענע</translation>
    </message>
    <message>
        <source>Camomile</source>
        <translation>קמומיל</translation>
    </message>
    <message>
        <source>Cinnamon</source>
        <translation>קינמון</translation>
    </message>
    <message>
        <source>Fir Needle</source>
        <translation>מחטי אשוח</translation>
    </message>
    <message>
        <source>Tangerine</source>
        <translation>טנג׳רינה</translation>
    </message>
</context>
<context>
    <name>FlowerRemedy</name>
    <message>
        <source>Centaury</source>
        <translation>סנטורי</translation>
    </message>
    <message>
        <source>Cerato</source>
        <translation>סרטו</translation>
    </message>
    <message>
        <source>Chicory</source>
        <translation>צ׳יקורי</translation>
    </message>
    <message>
        <source>Rock Water</source>
        <translation>רוק ווטר</translation>
    </message>
    <message>
        <source>Honeysuckle</source>
        <translation>הוניסאקל</translation>
    </message>
    <message>
        <source>Heather</source>
        <translation>הת׳ר</translation>
    </message>
    <message>
        <source>Water Violet</source>
        <translation>ווטר ויולט</translation>
    </message>
    <message>
        <source>Hornbeam</source>
        <translation>הורנבים</translation>
    </message>
    <message>
        <source>Clematis</source>
        <translation>קלמטיס</translation>
    </message>
    <message>
        <source>Beech</source>
        <translation>ביץ׳</translation>
    </message>
    <message>
        <source>Holly</source>
        <translation>הולי</translation>
    </message>
    <message>
        <source>Mimulus</source>
        <translation>מימולוס</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>מאסטרד</translation>
    </message>
    <message>
        <source>Wild Oat</source>
        <translation>ווילד אוט</translation>
    </message>
    <message>
        <source>White Chestnut</source>
        <translation>וייט צ׳סטנאט</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>אוליב</translation>
    </message>
    <message>
        <source>Impatiens</source>
        <translation>אימפטיינס</translation>
    </message>
    <message>
        <source>Crab Apple</source>
        <translation>קראב אפל</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>אגרימוני</translation>
    </message>
    <message>
        <source>Cherry Plum</source>
        <translation>צ׳רי פלאם</translation>
    </message>
    <message>
        <source>Rock Rose</source>
        <translation>רוק רוז</translation>
    </message>
    <message>
        <source>Star of Bethlehem</source>
        <translation>סטאר אוף בתלהם</translation>
    </message>
    <message>
        <source>Gorse</source>
        <translation>גורס</translation>
    </message>
    <message>
        <source>Sweet Chestnut</source>
        <translation>סוויט צ׳סטנאט</translation>
    </message>
    <message>
        <source>Red Chestnut, Aspen</source>
        <translation>רד צ׳סטנאט, אספן</translation>
    </message>
    <message>
        <source>Gentian, Larch</source>
        <translation>ג׳נשיאן, לארץ׳</translation>
    </message>
    <message>
        <source>Chestnut Bud, Scheranthus</source>
        <translation>צ׳סטנאט באד, סקלרנתוס</translation>
    </message>
    <message>
        <source>Walnut, Vervain</source>
        <translation>וולנאט, ורביין</translation>
    </message>
    <message>
        <source>Wild Rose, Willow</source>
        <translation>ווילד רוז, ווילו</translation>
    </message>
    <message>
        <source>Oak, Elm</source>
        <translation>אוק, אלם</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>פיין</translation>
    </message>
    <message>
        <source>Vine</source>
        <translation>ויין</translation>
    </message>
</context>
<context>
    <name>Herb</name>
    <message>
        <source>Skullcap</source>
        <translation>תשבץ</translation>
    </message>
    <message>
        <source>Fenugreek</source>
        <translation>חילבה</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>לבנדר</translation>
    </message>
    <message>
        <source>Yarrow</source>
        <translation>אכילאה</translation>
    </message>
    <message>
        <source>Barberry</source>
        <translation>ברבריס</translation>
    </message>
    <message>
        <source>Plantain</source>
        <translation>לחך</translation>
    </message>
    <message>
        <source>Ephedra</source>
        <translation>שרביטן</translation>
    </message>
    <message>
        <source>Coriander</source>
        <translation>כוסברה</translation>
    </message>
    <message>
        <source>Juniper</source>
        <translation>ערער</translation>
    </message>
    <message>
        <source>Safflower</source>
        <translation>קורטם</translation>
    </message>
    <message>
        <source>Chervil</source>
        <translation>צ׳רוויל</translation>
    </message>
    <message>
        <source>Saw Palmetto</source>
        <translation>סו פלמטו</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>גדילן</translation>
    </message>
    <message>
        <source>Damiana</source>
        <translation>דמיאנה</translation>
    </message>
    <message>
        <source>Centaury</source>
        <translation>ערבז</translation>
    </message>
    <message>
        <source>Feverfew</source>
        <translation>פיברפיו</translation>
    </message>
    <message>
        <source>Chamomile</source>
        <translation>קמומיל</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>שורש</translation>
    </message>
    <message>
        <source>Cascara Sagrada</source>
        <translation>קסקרה סגרדה</translation>
    </message>
    <message>
        <source>Hops</source>
        <translation>כשות</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>שן הארי</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>ציפורן</translation>
    </message>
    <message>
        <source>Lemon Balm</source>
        <translation>מליסה</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>אגרימוניה</translation>
    </message>
    <message>
        <source>Pleurisy root</source>
        <translation>אסקלפיאס</translation>
    </message>
    <message>
        <source>St. Johnswort</source>
        <translation>פרע מחורר</translation>
    </message>
    <message>
        <source>Mugwort</source>
        <translation>לענה</translation>
    </message>
    <message>
        <source>Black Walnut</source>
        <translation>אגוז שחור</translation>
    </message>
    <message>
        <source>Echinacea</source>
        <translation>אכינצאה</translation>
    </message>
    <message>
        <source>Cleavers</source>
        <translation>דבקה</translation>
    </message>
    <message>
        <source>Angelica</source>
        <translation>אנג׳ליקה</translation>
    </message>
    <message>
        <source>Mullein</source>
        <translation>בוצין</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>NA</source>
        <translation>לא ישים</translation>
    </message>
    <message>
        <source>This is the time to analyze your situation with a clear mind. Look at the facts, decide what you truly want, and then act on your own judgement without waiting.</source>
        <translation>זה הזמן לנתח את המצב שלכם בראש צלול. בחנו את העובדות, החליטו מה אתם באמת רוצים, ואז פעלו על פי שיקול דעתכם בלי לחכות.</translation>
    </message>
    <message>
        <source>You will achieve something in the near future that makes you proud. Keep your courage, follow the path you have chosen and do not let others lead you away from it.</source>
        <translation>בקרוב תשיגו משהו שתהיו גאים בו. שמרו על האומץ, לכו בדרך שבחרתם ואל תתנו לאחרים להסיט אתכם ממנה.</translation>
    </message>
    <message>
        <source>You may not be sure of the road ahead, but a new beginning is waiting. Take one small, bold step today and you will find your confidence growing with every stride.</source>
        <translation>ייתכן שאינכם בטוחים בדרך שלפניכם, אבל התחלה חדשה מחכה לכם. עשו היום צעד אחד קטן ונועז, ותגלו שהביטחון שלכם גדל עם כל פסיעה.</translation>
    </message>
    <message>
        <source>This is the time to enter into partnerships and agreements. Choose your companions with care, be tactful in what you say, and let trust grow slowly between you.</source>
        <translation>זה הזמן להיכנס לשותפויות ולהסכמים. בחרו את שותפיכם בקפידה, הפגינו טקט בדבריכם, ותנו לאמון ביניכם לצמוח לאט.</translation>
    </message>
    <message>
        <source>Learn to focus on your spiritual side and trust your intuition; quiet moments will show you the way.</source>
        <translation>למדו להתמקד בצד הרוחני שלכם וסמכו על האינטואיציה שלכם; רגעים של שקט יראו לכם את הדרך.</translation>
    </message>
    <message>
        <source>This is a good time to build bridges with the people around you. Mend old quarrels, offer a helping hand and value the peace that comes from working together.</source>
        <translation>זה זמן טוב לבנות גשרים אל האנשים שסביבכם. יישבו מריבות ישנות, הושיטו יד לעזרה והוקירו את השלום שנולד מעבודה משותפת.</translation>
    </message>
    <message>
        <source>You can join with friends or family in something creative and joyful. Share your ideas openly, laugh often, and let your natural optimism lift the mood of others.</source>
        <translation>תוכלו להצטרף לחברים או לבני משפחה במשהו יצירתי ומשמח. שתפו ברעיונות שלכם בפתיחות, צחקו הרבה, ותנו לאופטימיות הטבעית שלכם לרומם את מצב הרוח של אחרים.</translation>
    </message>
    <message>
        <source>Meditation can bring you a lot of clarity at this time. Set aside a few quiet minutes each day to still your mind, and your words will become wiser and kinder.</source>
        <translation>מדיטציה יכולה להביא לכם בהירות רבה בתקופה הזאת. הקדישו בכל יום כמה דקות של שקט להרגעת המחשבות, ודבריכם יהיו חכמים ועדינים יותר.</translation>
    </message>
    <message>
        <source>Think of how a change in the way you express yourself could open new doors. Try a fresh approach, speak from the heart, and be ready to be noticed for your talent.</source>
        <translation>חשבו כיצד שינוי בדרך שבה אתם מתבטאים יכול לפתוח לכם דלתות חדשות. נסו גישה רעננה, דברו מהלב, והיו מוכנים לכך שיבחינו בכישרון שלכם.</translation>
    </message>
    <message>
        <source>You need to express yourself better. Say plainly what you need from others at home and at work, and put your plans on paper so that they become firm and real.</source>
        <translation>עליכם להתבטא טוב יותר. אמרו בפשטות מה אתם צריכים מאחרים בבית ובעבודה, והעלו את התוכניות שלכם על הכתב כדי שיהיו מוצקות ומוחשיות.</translation>
    </message>
    <message>
        <source>You have achieved your goals in one part of your life; now bring the same discipline to the rest. Order your days, keep your promises and the foundations will hold.</source>
        <translation>השגתם את מטרותיכם בתחום אחד של חייכם; עכשיו הביאו את אותה משמעת לשאר התחומים. סדרו את ימיכם, קיימו את הבטחותיכם, והיסודות יחזיקו מעמד.</translation>
    </message>
    <message>
        <source>Do not be secretive and keep your plans hidden. Be open about the changes you want to make.</source>
        <translation>אל תהיו חשאיים ואל תסתירו את התוכניות שלכם. דברו בגלוי על השינויים שאתם רוצים לעשות.</translation>
    </message>
    <message>
        <source>You are keeping too much to yourself. Share your thoughts and let a friend help you decide.</source>
        <translation>אתם שומרים יותר מדי בבטן. שתפו במחשבות שלכם ותנו לחבר לעזור לכם להחליט.</translation>
    </message>
    <message>
        <source>You are spending too much time on restless pursuits. Slow down and choose what really matters.</source>
        <translation>אתם מבזבזים יותר מדי זמן בהתרוצצות חסרת מנוחה. האטו את הקצב ובחרו במה שחשוב באמת.</translation>
    </message>
    <message>
        <source>You have given a lot of love and care to others. Now allow them to give something back to you, and accept their kindness without feeling that you owe them anything.</source>
        <translation>נתתם לאחרים הרבה אהבה ותשומת לב. עכשיו הרשו להם להחזיר לכם משהו, וקבלו את טוב ליבם בלי להרגיש שאתם חייבים להם דבר.</translation>
    </message>
    <message>
        <source>Don&apos;t be in a hurry to take on every responsibility that is offered. Help where you are truly needed, and keep enough time and energy for your own home and heart.</source>
        <translation>אל תמהרו לקבל על עצמכם כל אחריות שמוצעת לכם. עזרו היכן שבאמת זקוקים לכם, ושמרו מספיק זמן ואנרגיה לביתכם ולליבכם.</translation>
    </message>
    <message>
        <source>Use the skills and knowledge you have gained to serve your community. Teaching, healing or simply listening well will bring harmony to you and to those you touch.</source>
        <translation>השתמשו בכישורים ובידע שרכשתם כדי לשרת את הקהילה שלכם. הוראה, ריפוי או פשוט הקשבה טובה יביאו הרמוניה לכם ולכל מי שאתם נוגעים בחייו.</translation>
    </message>
    <message>
        <source>You will do good to work alone for a while. Study a subject that fascinates you, keep a journal of your thoughts, and trust the wisdom that grows out of solitude.</source>
        <translation>כדאי לכם לעבוד לבד לזמן מה. למדו נושא שמרתק אתכם, כתבו יומן של מחשבותיכם, וסמכו על החוכמה שצומחת מתוך הבדידות.</translation>
    </message>
    <message>
        <source>Spirituality and belief go hand in hand for you now. Set time aside for prayer or meditation, and read the works that feed your soul. Do not be troubled if others fail to understand; your inner search will lead you to a deeper truth.</source>
        <translation>רוחניות ואמונה הולכות אצלכם עכשיו יד ביד. הקדישו זמן לתפילה או למדיטציה, וקראו ספרים שמזינים את נשמתכם. אל תיטרדו אם אחרים אינם מבינים; החיפוש הפנימי שלכם יוביל אתכם לאמת עמוקה יותר.</translation>
    </message>
    <message>
        <source>You will get great joy by using your success to help those who have less. Manage your money with care and be fair in every dealing. Power used with kindness will grow, while power used selfishly will slip through your fingers.</source>
        <translation>תפיקו שמחה גדולה מכך שתשתמשו בהצלחה שלכם כדי לעזור למי שיש לו פחות. נהלו את כספכם בזהירות והיו הוגנים בכל עסקה. כוח שמופעל בטוב לב יגדל, ואילו כוח שמופעל באנוכיות יחמוק מבין אצבעותיכם.</translation>
    </message>
    <message>
        <source>Do you expect something in return for every favour? Give freely and the reward will find you.</source>
        <translation>האם אתם מצפים לתמורה על כל טובה? תנו בנדיבות, והגמול כבר ימצא אתכם.</translation>
    </message>
    <message>
        <source>Finish projects that you have left undone before you begin anything new. Clear away what no longer serves you, forgive old hurts and say your goodbyes with grace. An ending now makes room for a better chapter that is about to begin.</source>
        <translation>סיימו פרויקטים שהשארתם באמצע לפני שתתחילו משהו חדש. פנו את מה שכבר אינו משרת אתכם, סלחו על פגיעות ישנות ונפרדו בחן. סיום עכשיו מפנה מקום לפרק טוב יותר שעומד להתחיל.</translation>
    </message>
    <message>
        <source>Things may seem completed but in truth one last task remains. Look back over your recent work, tie up the loose ends, and only then rest and celebrate what you did.</source>
        <translation>הדברים אולי נראים גמורים, אבל למעשה נותרה עוד משימה אחרונה. עברו שוב על העבודה שעשיתם לאחרונה, סגרו את הקצוות הפתוחים, ורק אז נוחו וחגגו את מה שהשגתם.</translation>
    </message>
    <message>
        <source>Concentrate and pray to God. All the guidance you need will come through faith and inner stillness.</source>
        <translation>התרכזו והתפללו לאלוהים. כל ההכוונה שאתם זקוקים לה תגיע דרך אמונה ושקט פנימי.</translation>
    </message>
    <message>
        <source>Learn to speak for yourself and your beliefs. Your voice can inspire others; do not hide it.</source>
        <translation>למדו לדבר בשם עצמכם ובשם האמונות שלכם. הקול שלכם יכול לעורר השראה באחרים; אל תסתירו אותו.</translation>
    </message>
    <message>
        <source>Combine your daily routine with your spiritual practice, and every ordinary task becomes a prayer.</source>
        <translation>שלבו את שגרת היום שלכם בתרגול הרוחני, וכל משימה רגילה תהפוך לתפילה.</translation>
    </message>
    <message>
        <source>You will need to recognize how strongly your moods affect others. Guard your nerves, rest when you feel overwhelmed, and let your calm become a light for those around you.</source>
        <translation>יהיה עליכם להכיר בעוצמה שבה מצבי הרוח שלכם משפיעים על אחרים. שמרו על העצבים, נוחו כשאתם מרגישים מוצפים, ותנו לשלווה שלכם להפוך לאור עבור הסובבים אתכם.</translation>
    </message>
    <message>
        <source>Learn to let go of the fears that hold back your vision. Your intuition is sound; act on it with courage and you will see your ideals take shape in the world.</source>
        <translation>למדו לשחרר את הפחדים שמעכבים את החזון שלכם. האינטואיציה שלכם נכונה; פעלו לפיה באומץ ותראו את האידיאלים שלכם מתגשמים בעולם.</translation>
    </message>
    <message>
        <source>Your spiritual interests will bring you into contact with people who share your ideals. Welcome them, learn from them, and together you can achieve something of lasting worth.</source>
        <translation>תחומי העניין הרוחניים שלכם יפגישו אתכם עם אנשים השותפים לאידיאלים שלכם. קבלו אותם בברכה, למדו מהם, ויחד תוכלו להשיג דבר בעל ערך מתמשך.</translation>
    </message>
    <message>
        <source>You have good leadership qualities. Use them to build something that will benefit many people, not only yourself. Think on a grand scale, but plan every detail with patience. Others will follow you if you stay honest, practical and true to your vision.</source>
        <translation>יש לכם כישורי מנהיגות טובים. השתמשו בהם כדי לבנות משהו שיועיל לאנשים רבים, לא רק לכם. חשבו בגדול, אבל תכננו כל פרט בסבלנות. אחרים ילכו אחריכם אם תישארו כנים, מעשיים ונאמנים לחזון שלכם.</translation>
    </message>
    <message>
        <source>Spread love and gain lots more in return. Your kindness now can change many lives for the better.</source>
        <translation>הפיצו אהבה ותקבלו הרבה יותר בחזרה. טוב הלב שלכם יכול עכשיו לשנות חיים רבים לטובה.</translation>
    </message>
</context>
<context>
    <name>NumberDescription</name>
    <message>
        <source>Do not waste your energy. Use this quiet time to rest and gather your strength before you act.</source>
        <translation>אל תבזבזו את האנרגיה שלכם. נצלו את התקופה השקטה הזאת כדי לנוח ולאסוף כוחות לפני שתפעלו.</translation>
    </message>
    <message>
        <source>Use your energies for achieving your own goals. Take the first step alone and trust your will.</source>
        <translation>הקדישו את האנרגיות שלכם להשגת המטרות שלכם. עשו את הצעד הראשון לבד וסמכו על כוח הרצון שלכם.</translation>
    </message>
    <message>
        <source>This is a good time to start working with others. Listen closely, be patient with those around you, and let gentle cooperation carry you where force cannot.</source>
        <translation>זה זמן טוב להתחיל לעבוד עם אחרים. הקשיבו היטב, גלו סבלנות כלפי הסובבים אתכם, ותנו לשיתוף פעולה עדין להביא אתכם למקום שכוח לא יביא אתכם אליו.</translation>
    </message>
    <message>
        <source>The keyword for this number is expression. Speak, write or create, and let your joy be seen.</source>
        <translation>מילת המפתח של המספר הזה היא ביטוי. דברו, כתבו או צרו, ותנו לשמחה שלכם להיראות.</translation>
    </message>
    <message>
        <source>You need to balance the various parts of your life before you build on them. Put your work, your home and your health in order, one patient step at a time. A steady routine and honest effort will give you the firm ground you need, so do not look for shortcuts now.</source>
        <translation>עליכם לאזן את התחומים השונים בחייכם לפני שתבנו עליהם. עשו סדר בעבודה, בבית ובבריאות שלכם, צעד סבלני אחר צעד. שגרה יציבה ומאמץ כן יעניקו לכם את הקרקע המוצקה שאתם צריכים, לכן אל תחפשו עכשיו קיצורי דרך.</translation>
    </message>
    <message>
        <source>You will have a lot to deal with as changes arrive quickly. Stay flexible, welcome new experiences and keep your freedom without losing sight of your duties.</source>
        <translation>תצטרכו להתמודד עם הרבה דברים, כי השינויים מגיעים במהירות. הישארו גמישים, קבלו בברכה חוויות חדשות ושמרו על החופש שלכם בלי לאבד את חובותיכם מעיניכם.</translation>
    </message>
    <message>
        <source>This is the time to expand your love and care to your family and community. Others will turn to you for support and advice, so give it warmly but do not carry every burden yourself. Harmony at home will bring you the peace that lets the rest of your life grow.</source>
        <translation>זה הזמן להרחיב את האהבה והדאגה שלכם אל המשפחה והקהילה. אחרים יפנו אליכם לתמיכה ולעצה, אז תנו אותן בחום, אבל אל תישאו כל נטל בעצמכם. הרמוניה בבית תביא לכם את השלווה שתאפשר לשאר חייכם לצמוח.</translation>
    </message>
    <message>
        <source>This is a very spiritual number. Step back from the noise of daily life and spend time alone in study, thought and prayer. The answers you seek lie within you, and they will come to you through quiet reflection rather than through the opinions of other people.</source>
        <translation>זהו מספר רוחני מאוד. התרחקו מרעש חיי היומיום והקדישו זמן לבד ללימוד, להגות ולתפילה. התשובות שאתם מחפשים נמצאות בתוככם, והן יגיעו אליכם דרך התבוננות שקטה ולא דרך דעותיהם של אחרים.</translation>
    </message>
    <message>
        <source>Give till you can give no more, and you will find that abundance returns to you. This is a number of power and material reward, so use your authority wisely and fairly. Money and success will follow honest work, but remember that what you share matters more than what you keep.</source>
        <translation>תנו עד שלא תוכלו לתת עוד, ותגלו שהשפע חוזר אליכם. זהו מספר של כוח ושל גמול חומרי, לכן השתמשו בסמכותכם בתבונה ובהגינות. כסף והצלחה יבואו בעקבות עבודה ישרה, אבל זכרו שמה שאתם חולקים חשוב יותר ממה שאתם שומרים לעצמכם.</translation>
    </message>
    <message>
        <source>Stop making excuses and complete the tasks you have begun. Let go of the past and forgive freely.</source>
        <translation>הפסיקו לחפש תירוצים והשלימו את המשימות שהתחלתם. שחררו את העבר וסלחו בלב שלם.</translation>
    </message>
    <message>
        <source>This is a spiritual number. You are being called to inspire others through your intuition and your faith. Trust the flashes of insight that come to you, even when others doubt them. Your sensitivity is a gift, so protect your calm and share your vision with kindness.</source>
        <translation>זהו מספר רוחני. אתם נקראים לעורר השראה באחרים באמצעות האינטואיציה והאמונה שלכם. סמכו על הבזקי התובנה שמגיעים אליכם, גם כשאחרים מפקפקים בהם. הרגישות שלכם היא מתנה, לכן שמרו על שלוותכם ושתפו את החזון שלכם בטוב לב.</translation>
    </message>
    <message>
        <source>You will be spiritually aware and able to turn great dreams into real and lasting works. Plan with care, think of the many, and build something that will serve others.</source>
        <translation>תהיו ערים מבחינה רוחנית ותוכלו להפוך חלומות גדולים למפעלים ממשיים ומתמשכים. תכננו בקפידה, חשבו על הרבים, ובנו משהו שישרת אחרים.</translation>
    </message>
</context>
<context>
    <name>Stone</name>
    <message>
        <source>Agate</source>
        <translation>אגט</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>אקוומרין</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>אזמרגד</translation>
    </message>
    <message>
        <source>Danburite</source>
        <translation>דנבוריט</translation>
    </message>
    <message>
        <source>Kyanite</source>
        <translation>קיאניט</translation>
    </message>
    <message>
        <source>Bloodstone, Jasper, Onyx</source>
        <translation>אבן דם, ישפה, אוניקס</translation>
    </message>
    <message>
        <source>Malachite, Diamond</source>
        <translation>מלכיט, יהלום</translation>
    </message>
    <message>
        <source>Howlite, Tiger&apos;s Eye</source>
        <translation>הוליט, עין הנמר</translation>
    </message>
    <message>
        <source>Ruby, Sapphire</source>
        <translation>אודם, ספיר</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>לפיס לזולי</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>טופז</translation>
    </message>
    <message>
        <source>Garnet, Peridot</source>
        <translation>גרנט, פרידוט</translation>
    </message>
    <message>
        <source>Lepidolite</source>
        <translation>לפידוליט</translation>
    </message>
    <message>
        <source>Moonstone, Sunstone, Amazonite</source>
        <translation>אבן ירח, אבן שמש, אמזוניט</translation>
    </message>
    <message>
        <source>Turquoise, Azurite</source>
        <translation>טורקיז, אזוריט</translation>
    </message>
    <message>
        <source>Calcite, Selenite</source>
        <translation>קלציט, סלניט</translation>
    </message>
    <message>
        <source>Apache  Tear, Snowflake</source>
        <translation>דמעת אפאצ׳י, אובסידיאן פתיתי שלג</translation>
    </message>
    <message>
        <source>Fluorite</source>
        <translation>פלואוריט</translation>
    </message>
    <message>
        <source>Jade, Opal</source>
        <translation>ירקן, אופל</translation>
    </message>
    <message>
        <source>Hematite, Pyrite</source>
        <translation>המטיט, פיריט</translation>
    </message>
    <message>
        <source>Tourmalinated Quartz</source>
        <translation>קוורץ טורמליני</translation>
    </message>
    <message>
        <source>Kunzite</source>
        <translation>קונזיט</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>רודוניט</translation>
    </message>
    <message>
        <source>Rhodochrosite</source>
        <translation>רודוכרוזיט</translation>
    </message>
    <message>
        <source>Sugilite</source>
        <translation>סוגיליט</translation>
    </message>
    <message>
        <source>Rose, Lavender Quartz</source>
        <translation>קוורץ ורוד, קוורץ לבנדר</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>אמטיסט</translation>
    </message>
    <message>
        <source>Citrine</source>
        <translation>סיטרין</translation>
    </message>
    <message>
        <source>Black Quartz</source>
        <translation>קוורץ שחור</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>אוונטורין</translation>
    </message>
    <message>
        <source>Blue Quartz, Celestite</source>
        <translation>קוורץ כחול, צלסטין</translation>
    </message>
    <message>
        <source>Tourmaline</source>
        <translation>טורמלין</translation>
    </message>
    <message>
        <source>Moldavite, Phenacite, Dioptase</source>
        <translation>מולדביט, פנקיט, דיופטז</translation>
    </message>
</context>
<context>
    <name>Totem</name>
    <message>
        <source>Turtle, Dolphin</source>
        <translation>צב, דולפין</translation>
    </message>
    <message>
        <source>Eagle, Otter</source>
        <translation>עיט, לוטרה</translation>
    </message>
    <message>
        <source>Wolf, Dog</source>
        <translation>זאב, כלב</translation>
    </message>
    <message>
        <source>Deer, Ant</source>
        <translation>אייל, נמלה</translation>
    </message>
    <message>
        <source>Horse, Swan</source>
        <translation>סוס, ברבור</translation>
    </message>
    <message>
        <source>Squirrel, Hummingbird</source>
        <translation>סנאי, יונק דבש</translation>
    </message>
    <message>
        <source>Beaver, Elk</source>
        <translation>בונה, אייל קנדי</translation>
    </message>
    <message>
        <source>Buffalo, Raven</source>
        <translation>ביזון, עורב</translation>
    </message>
    <message>
        <source>Hawk, Spider</source>
        <translation>נץ, עכביש</translation>
    </message>
    <message>
        <source>Butterfly, Antelope</source>
        <translation>פרפר, אנטילופה</translation>
    </message>
    <message>
        <source>Bear, Bat</source>
        <translation>דוב, עטלף</translation>
    </message>
    <message>
        <source>Mountain Lion, Turkey</source>
        <translation>פומה, תרנגול הודו</translation>
    </message>
</context>
<context>
    <name>dicemere::AboutWindow</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>בקרו באתר ⁨%1⁩</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>לחצו כאן לפרטים נוספים</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>dicemere::CastingPage</name>
    <message>
        <source>inside the circle</source>
        <translation>בתוך המעגל</translation>
    </message>
    <message>
        <source>on the border of the circle</source>
        <translation>על קו המעגל</translation>
    </message>
    <message>
        <source>outside the circle</source>
        <translation>מחוץ למעגל</translation>
    </message>
    <message>
        <source>Die %1: %2, %3</source>
        <translation>קובייה %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>dicemere::DiceCast</name>
    <message numerus="yes">
        <source>You have thrown %1 out of %n times</source>
        <translation>
            <numerusform>הטלתם %1 מתוך %n</numerusform>
            <numerusform>הטלתם %1 מתוך %n קוביות</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Get My Enochian Numerology Result</source>
        <translation>&amp;צפו בתוצאה הנומרולוגית האנוכיאנית</translation>
    </message>
    <message>
        <source>Dice %1 is in the border of the circle. Please recast it.</source>
        <translation>קובייה %1 נחתה על קו המעגל. נא להטיל אותה שוב.</translation>
    </message>
</context>
<context>
    <name>dicemere::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>בקרו עכשיו באתר ⁨%1⁩</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>המליצו לחבר</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;המליצו לחבר עכשיו</translation>
    </message>
    <message>
        <source>More Programs From Example</source>
        <translation>תוכנות נוספות של Example</translation>
    </message>
    <message>
        <source>Enjoyed Dicemere? The makers of www.example.com publish a whole range of small, friendly programs for astrology, tarot, numerology and everyday divination, and every one of them is free to try. Follow the link below to browse the Example Apps catalogue and find your next favourite.</source>
        <translation>נהניתם מהתוכנה Dicemere? היוצרים של www.example.com מפרסמים מגוון שלם של תוכנות קטנות וידידותיות לאסטרולוגיה, לטארוט, לנומרולוגיה ולניבוי יומיומי, ואת כולן אפשר לנסות בחינם. לחצו על הקישור שלמטה כדי לעיין בקטלוג Example Apps ולמצוא את התוכנה האהובה הבאה שלכם.</translation>
    </message>
    <message>
        <source>Click Here To Visit Example Apps</source>
        <translation>בקרו בקטלוג Example Apps</translation>
    </message>
    <message>
        <source>Visit www.example.com often. Every visit to our mystic discussion forum helps us keep free programs like Dicemere alive and up to date.</source>
        <translation>בקרו לעיתים קרובות באתר www.example.com. כל ביקור בפורום הדיונים המיסטי שלנו עוזר לנו לשמור על תוכנות חינמיות כמו Dicemere חיות ומעודכנות.</translation>
    </message>
    <message>
        <source>Please drop in at the www.example.com discussion forum regularly. Your visits are what keep programs like this one maintained and free.</source>
        <translation>קפצו לבקר בקביעות בפורום הדיונים של www.example.com. הביקורים שלכם הם אלה שמאפשרים לתחזק תוכנות כמו זו ולהשאיר אותן חינמיות.</translation>
    </message>
    <message>
        <source>Like Dicemere? Come and talk with other seekers at www.example.com every week: the forum&apos;s visitors are what pay for programs like this one.</source>
        <translation>אוהבים את Dicemere? בואו לשוחח מדי שבוע עם מחפשי דרך אחרים באתר www.example.com: המבקרים בפורום הם אלה שמממנים תוכנות כמו זו.</translation>
    </message>
    <message>
        <source>Make www.example.com a regular stop. Each visit to our forum supports the upkeep of Dicemere and our other free programs.</source>
        <translation>הפכו את www.example.com לתחנה קבועה. כל ביקור בפורום שלנו תומך בתחזוקה של Dicemere ושל שאר התוכנות החינמיות שלנו.</translation>
    </message>
</context>
<context>
    <name>dicemere::FrontPage</name>
    <message>
        <source>Focus yourself on the problem on hand cast the dice.</source>
        <translation>התמקדו בבעיה שמעסיקה אתכם והטילו את הקוביות.</translation>
    </message>
    <message>
        <source>Choose number of dice to throw</source>
        <translation>בחרו את מספר הקוביות להטלה</translation>
    </message>
    <message>
        <source>&amp;Concentrate on your Problem And Cast the Dice</source>
        <translation>&amp;התרכזו בבעיה שלכם והטילו את הקוביות</translation>
    </message>
</context>
<context>
    <name>dicemere::IconPicture</name>
    <message>
        <source>Dicemere icon</source>
        <translation>סמל Dicemere</translation>
    </message>
</context>
<context>
    <name>dicemere::MainWindow</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>הפורום המיסטי הפופולרי ביותר ברשת. לחצו כאן כדי לבקר עכשיו באתר ⁨%1⁩.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>מתגו את התוכנה הזאת בשם האתר שלכם. הגבירו את הנאמנות ואת התנועה לאתר שלכם. הציבו כאן את שם האתר שלכם &amp;&amp; קישור אליו. לפרטים, עיינו ב&quot;עזרה&quot;. לחצו כאן למידע נוסף על מיתוג משותף.</translation>
    </message>
    <message>
        <source>%1 Click here for more details.</source>
        <translation>%1 לחצו כאן לפרטים נוספים.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>עזרה &amp;מקוונת</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;ביקור באתר שלנו</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>בדיקת ע&amp;דכונים לתוכנה</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;אודות התוכנה</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;תרומה</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>הרוויחו &amp;כסף ברשת</translation>
    </message>
</context>
<context>
    <name>dicemere::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>נא להזין כתובות דוא״ל שונות זו מזו</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>נא להזין כתובת דוא״ל תקינה</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>נא להזין את השם שלכם</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>נא להזין את כתובת הדוא״ל שלכם</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>נא להזין את ההודעה שלכם</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>נא להזין את שם החבר</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>נא להזין את כתובת הדוא״ל של החבר</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>השם שלכם</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>כתובת הדוא״ל שלכם</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>ההודעה שלכם</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>שם החבר</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>כתובת הדוא״ל של החבר</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>כתובת דוא״ל אינה יכולה להכיל רווח</translation>
    </message>
</context>
<context>
    <name>dicemere::ReminderMessages</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>ייתכן שקיים עדכון זמין לתוכנה הזאת.
האם לבדוק אם יש עדכון?</translation>
    </message>
</context>
<context>
    <name>dicemere::ResultPage</name>
    <message>
        <source>Enochian Number</source>
        <translation>מספר אנוכיאני</translation>
    </message>
    <message>
        <source>Enochian Number Description</source>
        <translation>תיאור המספר האנוכיאני</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>פירוש</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>אבן</translation>
    </message>
    <message>
        <source>Totem</source>
        <translation>טוטם</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>צמח מרפא</translation>
    </message>
    <message>
        <source>Essential Oil</source>
        <translation>שמן אתרי</translation>
    </message>
    <message>
        <source>Flower Remedy</source>
        <translation>תמצית פרחים</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;חזרה</translation>
    </message>
    <message>
        <source>Copy Reading</source>
        <translation>העתקת התוצאה</translation>
    </message>
    <message>
        <source>Dice %1: the combination %2 gives %3</source>
        <translation>ערכי הקוביות: ⁨%1⁩; הצירוף ⁨%2⁩ נותן ⁨%3⁩</translation>
    </message>
    <message>
        <source>Dice %1: total %2</source>
        <translation>ערכי הקוביות: ⁨%1⁩; הסכום: ⁨%2⁩</translation>
    </message>
</context>
<context>
    <name>dicemere::SharedTexts</name>
    <message>
        <source>Dicemere is a method of numerology divination that relates dice and numbers to help you find solutions to your problems.</source>
        <translation>שיטת הניבוי הנומרולוגי Dicemere מקשרת בין קוביות למספרים כדי לעזור לכם למצוא פתרונות לבעיות שלכם.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>הזדמנות לעסק מהבית: הקימו עסק משלכם באינטרנט והרוויחו כסף ברשת. קבלו את התוכנה הזאת במיתוג מלא של האתר שלכם.</translation>
    </message>
</context>
<context>
    <name>dicemere::StartupMessages</name>
    <message>
        <source>Application is already running</source>
        <translation>התוכנה כבר פועלת</translation>
    </message>
</context>
</TS>
