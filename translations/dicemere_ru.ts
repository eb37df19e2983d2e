<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>EssentialOil</name>
    <message>
        <source>Tea Tree</source>
        <translation>Чайное дерево</translation>
    </message>
    <message>
        <source>Cedarwood</source>
        <translation>Кедр</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Роза</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Лаванда</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Апельсин</translation>
    </message>
    <message>
        <source>Sandalwood</source>
        <translation>Сандал</translation>
    </message>
    <message>
        <source>Citronella</source>
        <translation>Цитронелла</translation>
    </message>
    <message>
        <source>Geranium</source>
        <translation>Герань</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лайм</translation>
    </message>
    <message>
        <source>Bergamot</source>
        <translation>Бергамот</translation>
    </message>
    <message>
        <source>Thyme</source>
        <translation>Тимьян</translation>
    </message>
    <message>
        <source>Eucalyptus</source>
        <translation>Эвкалипт</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Имбирь</translation>
    </message>
    <message>
        <source>Rosemary</source>
        <translation>Розмарин</translation>
    </message>
    <message>
        <source>Anise</source>
        <translation>Анис</translation>
    </message>
    <message>
        <source>Peppermint</source>
        <translation>Мята перечная</translation>
    </message>
    <message>
        <source>Neroli</source>
        <translation>Нероли</translation>
    </message>
    <message>
        <source>Wintergreen</source>
        <translation>Гаультерия</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Лимон</translation>
    </message>
    <message>
        <source>Myrrh</source>
        <translation>Мирра</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Гвоздичное дерево</translation>
    </message>
    <message>
        <source>Clary Sage</source>
        <translation>Шалфей мускатный</translation>
    </message>
    <message>
        <source>Frankincense</source>
        <translation>Ладан</translation>
    </message>
    <message>
        <source>Patchouli</source>
        <translation>Пачули</translation>
    </message>
    <message>
        <source>Jasmine</source>
        <translation>Жасмин</translation>
    </message>
    <message>
        <source>Ylang Ylang</source>
        <translation>Иланг-иланг</translation>
    </message>
    <message>
        <source>Nutmeg</source>
        <translation>Мускатный орех</translation>
    </message>
    <message>
        <source>Spearmint</source>
        <translation>Мята кудрявая</translation>
    </message>
    <message>
        <source>Camomile</source>
        <translation>Ромашка</translation>
    </message>
    <message>
        <source>Cinnamon</source>
        <translation>Корица</translation>
    </message>
    <message>
        <source>Fir Needle</source>
        <translation>Пихта</translation>
    </message>
    <message>
        <source>Tangerine</source>
        <translation>Мандарин</translation>
    </message>
</context>
<context>
    <name>FlowerRemedy</name>
    <message>
        <source>Centaury</source>
        <translation>Золототысячник</translation>
    </message>
    <message>
        <source>Cerato</source>
        <translation>Цератостигма</translation>
    </message>
    <message>
        <source>Chicory</source>
        <translation>Цикорий</translation>
    </message>
    <message>
        <source>Rock Water</source>
        <translation>Родниковая вода</translation>
    </message>
    <message>
        <source>Honeysuckle</source>
        <translation>Жимолость</translation>
    </message>
    <message>
        <source>Heather</source>
        <translation>Вереск</translation>
    </message>
    <message>
        <source>Water Violet</source>
        <translation>Турча болотная</translation>
    </message>
    <message>
        <source>Hornbeam</source>
        <translation>Граб</translation>
    </message>
    <message>
        <source>Clematis</source>
        <translation>Ломонос</translation>
    </message>
    <message>
        <source>Beech</source>
        <translation>Бук</translation>
    </message>
    <message>
        <source>Holly</source>
        <translation>Падуб</translation>
    </message>
    <message>
        <source>Mimulus</source>
        <translation>Губастик</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Горчица</translation>
    </message>
    <message>
        <source>Wild Oat</source>
        <translation>Костёр ветвистый</translation>
    </message>
    <message>
        <source>White Chestnut</source>
        <translation>Конский каштан</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Олива</translation>
    </message>
    <message>
        <source>Impatiens</source>
        <translation>Недотрога</translation>
    </message>
    <message>
        <source>Crab Apple</source>
        <translation>Яблоня лесная</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>Репешок</translation>
    </message>
    <message>
        <source>Cherry Plum</source>
        <translation>Алыча</translation>
    </message>
    <message>
        <source>Rock Rose</source>
        <translation>Солнцецвет</translation>
    </message>
    <message>
        <source>Star of Bethlehem</source>
        <translation>Птицемлечник</translation>
    </message>
    <message>
        <source>Gorse</source>
        <translation>Утёсник</translation>
    </message>
    <message>
        <source>Sweet Chestnut</source>
        <translation>Каштан посевной</translation>
    </message>
    <message>
        <source>Red Chestnut, Aspen</source>
        <translation>Красный каштан, осина</translation>
    </message>
    <message>
        <source>Gentian, Larch</source>
        <translation>Горечавка, лиственница</translation>
    </message>
    <message>
        <source>Chestnut Bud, Scheranthus</source>
        <translation>Почки конского каштана, дивала</translation>
    </message>
    <message>
        <source>Walnut, Vervain</source>
        <translation>Грецкий орех, вербена</translation>
    </message>
    <message>
        <source>Wild Rose, Willow</source>
        <translation>Шиповник, ива</translation>
    </message>
    <message>
        <source>Oak, Elm</source>
        <translation>Дуб, вяз</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>Сосна</translation>
    </message>
    <message>
        <source>Vine</source>
        <translation>Виноградная лоза</translation>
    </message>
</context>
<context>
    <name>Herb</name>
    <message>
        <source>Skullcap</source>
        <translation>Шлемник</translation>
    </message>
    <message>
        <source>Fenugreek</source>
        <translation>Пажитник</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Лаванда</translation>
    </message>
    <message>
        <source>Yarrow</source>
        <translation>Тысячелистник</translation>
    </message>
    <message>
        <source>Barberry</source>
        <translation>Барбарис</translation>
    </message>
    <message>
        <source>Plantain</source>
        <translation>Подорожник</translation>
    </message>
    <message>
        <source>Ephedra</source>
        <translation>Эфедра</translation>
    </message>
    <message>
        <source>Coriander</source>
        <translation>Кориандр</translation>
    </message>
    <message>
        <source>Juniper</source>
        <translation>Можжевельник</translation>
    </message>
    <message>
        <source>Safflower</source>
        <translation>Сафлор</translation>
    </message>
    <message>
        <source>Chervil</source>
        <translation>Кервель</translation>
    </message>
    <message>
        <source>Saw Palmetto</source>
        <translation>Пальма сабаль</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Чертополох</translation>
    </message>
    <message>
        <source>Damiana</source>
        <translation>Дамиана</translation>
    </message>
    <message>
        <source>Centaury</source>
        <translation>Золототысячник</translation>
    </message>
    <message>
        <source>Feverfew</source>
        <translation>Пиретрум девичий</translation>
    </message>
    <message>
        <source>Chamomile</source>
        <translation>Ромашка</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Корень</translation>
    </message>
    <message>
        <source>Cascara Sagrada</source>
        <translation>Каскара саграда</translation>
    </message>
    <message>
        <source>Hops</source>
        <translation>Хмель</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Одуванчик</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Гвоздичное дерево</translation>
    </message>
    <message>
        <source>Lemon Balm</source>
        <translation>Мелисса</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>Репешок</translation>
    </message>
    <message>
        <source>Pleurisy root</source>
        <translation>Ваточник клубневой</translation>
    </message>
    <message>
        <source>St. Johnswort</source>
        <translation>Зверобой</translation>
    </message>
    <message>
        <source>Mugwort</source>
        <translation>Полынь обыкновенная</translation>
    </message>
    <message>
        <source>Black Walnut</source>
        <translation>Чёрный орех</translation>
    </message>
    <message>
        <source>Echinacea</source>
        <translation>Эхинацея</translation>
    </message>
    <message>
        <source>Cleavers</source>
        <translation>Подмаренник цепкий</translation>
    </message>
    <message>
        <source>Angelica</source>
        <translation>Дягиль</translation>
    </message>
    <message>
        <source>Mullein</source>
        <translation>Коровяк</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>NA</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>This is the time to analyze your situation with a clear mind. Look at the facts, decide what you truly want, and then act on your own judgement without waiting.</source>
        <translation>Сейчас самое время трезво оценить своё положение. Взгляните на факты, решите, чего вы действительно хотите, и действуйте по собственному разумению, не откладывая.</translation>
    </message>
    <message>
        <source>You will achieve something in the near future that makes you proud. Keep your courage, follow the path you have chosen and do not let others lead you away from it.</source>
        <translation>В ближайшее время вы добьётесь того, чем сможете гордиться. Не теряйте мужества, следуйте избранному пути и не позволяйте другим сбить вас с него.</translation>
    </message>
    <message>
        <source>You may not be sure of the road ahead, but a new beginning is waiting. Take one small, bold step today and you will find your confidence growing with every stride.</source>
        <translation>Возможно, путь впереди кажется вам неясным, но вас ждёт новое начало. Сделайте сегодня один маленький, но смелый шаг, и с каждым следующим ваша уверенность будет расти.</translation>
    </message>
    <message>
        <source>This is the time to enter into partnerships and agreements. Choose your companions with care, be tactful in what you say, and let trust grow slowly between you.</source>
        <translation>Сейчас самое время вступать в партнёрства и заключать соглашения. Тщательно выбирайте спутников, будьте тактичны в словах и дайте доверию между вами расти постепенно.</translation>
    </message>
    <message>
        <source>Learn to focus on your spiritual side and trust your intuition; quiet moments will show you the way.</source>
        <translation>Научитесь сосредотачиваться на своей духовной стороне и доверяйте интуиции; минуты тишины укажут вам путь.</translation>
    </message>
    <message>
        <source>This is a good time to build bridges with the people around you. Mend old quarrels, offer a helping hand and value the peace that comes from working together.</source>
        <translation>Сейчас хорошее время, чтобы навести мосты с окружающими. Уладьте старые ссоры, протяните руку помощи и цените мир, который рождается из совместной работы.</translation>
    </message>
    <message>
        <source>You can join with friends or family in something creative and joyful. Share your ideas openly, laugh often, and let your natural optimism lift the mood of others.</source>
        <translation>Вы можете вместе с друзьями или семьёй заняться чем-то творческим и радостным. Открыто делитесь идеями, чаще смейтесь, и пусть ваш природный оптимизм поднимает настроение другим.</translation>
    </message>
    <message>
        <source>Meditation can bring you a lot of clarity at this time. Set aside a few quiet minutes each day to still your mind, and your words will become wiser and kinder.</source>
        <translation>Сейчас медитация может принести вам много ясности. Каждый день выделяйте несколько тихих минут, чтобы успокоить ум, и ваши слова станут мудрее и добрее.</translation>
    </message>
    <message>
        <source>Think of how a change in the way you express yourself could open new doors. Try a fresh approach, speak from the heart, and be ready to be noticed for your talent.</source>
        <translation>Подумайте, какие двери могла бы открыть перед вами перемена в том, как вы выражаете себя. Попробуйте свежий подход, говорите от сердца и будьте готовы к тому, что ваш талант заметят.</translation>
    </message>
    <message>
        <source>You need to express yourself better. Say plainly what you need from others at home and at work, and put your plans on paper so that they become firm and real.</source>
        <translation>Вам нужно лучше выражать себя. Прямо говорите, чего вы ждёте от других дома и на работе, и запишите свои планы, чтобы они обрели чёткость и стали реальными.</translation>
    </message>
    <message>
        <source>You have achieved your goals in one part of your life; now bring the same discipline to the rest. Order your days, keep your promises and the foundations will hold.</source>
        <translation>Вы достигли своих целей в одной сфере жизни; теперь привнесите ту же дисциплину в остальные. Упорядочьте свои дни, держите обещания, и фундамент будет прочным.</translation>
    </message>
    <message>
        <source>Do not be secretive and keep your plans hidden. Be open about the changes you want to make.</source>
        <translation>Не будьте скрытны и не прячьте свои планы. Открыто говорите о переменах, которые хотите совершить.</translation>
    </message>
    <message>
        <source>You are keeping too much to yourself. Share your thoughts and let a friend help you decide.</source>
        <translation>Вы слишком многое держите в себе. Поделитесь мыслями и позвольте другу помочь вам принять решение.</translation>
    </message>
    <message>
        <source>You are spending too much time on restless pursuits. Slow down and choose what really matters.</source>
        <translation>Вы тратите слишком много времени на суету. Сбавьте темп и выберите то, что действительно важно.</translation>
    </message>
    <message>
        <source>You have given a lot of love and care to others. Now allow them to give something back to you, and accept their kindness without feeling that you owe them anything.</source>
        <translation>Вы подарили другим много любви и заботы. Теперь позвольте им отплатить вам тем же и принимайте их доброту, не считая, что вы им чем-то обязаны.</translation>
    </message>
    <message>
        <source>Don&apos;t be in a hurry to take on every responsibility that is offered. Help where you are truly needed, and keep enough time and energy for your own home and heart.</source>
        <translation>Не спешите брать на себя всякую ответственность, которую вам предлагают. Помогайте там, где вы действительно нужны, и оставляйте достаточно времени и сил для собственного дома и сердца.</translation>
    </message>
    <message>
        <source>Use the skills and knowledge you have gained to serve your community. Teaching, healing or simply listening well will bring harmony to you and to those you touch.</source>
        <translation>Используйте приобретённые навыки и знания, чтобы служить людям вокруг вас. Обучение, исцеление или просто умение внимательно слушать принесут гармонию вам и всем, с кем вы соприкасаетесь.</translation>
    </message>
    <message>
        <source>You will do good to work alone for a while. Study a subject that fascinates you, keep a journal of your thoughts, and trust the wisdom that grows out of solitude.</source>
        <translation>Вам будет полезно какое-то время поработать в одиночку. Изучайте то, что вас увлекает, записывайте свои мысли в дневник и доверяйте мудрости, которая рождается в уединении.</translation>
    </message>
    <message>
        <source>Spirituality and belief go hand in hand for you now. Set time aside for prayer or meditation, and read the works that feed your soul. Do not be troubled if others fail to understand; your inner search will lead you to a deeper truth.</source>
        <translation>Сейчас духовность и вера идут для вас рука об руку. Выделяйте время для молитвы или медитации и читайте книги, которые питают душу. Не огорчайтесь, если другие вас не понимают: внутренние поиски приведут вас к более глубокой истине.</translation>
    </message>
    <message>
        <source>You will get great joy by using your success to help those who have less. Manage your money with care and be fair in every dealing. Power used with kindness will grow, while power used selfishly will slip through your fingers.</source>
        <translation>Вы испытаете большую радость, если направите свой успех на помощь тем, у кого меньше. Бережно распоряжайтесь деньгами и будьте честны в любых делах. Власть, применённая с добротой, будет расти, а власть ради собственной выгоды утечёт сквозь пальцы.</translation>
    </message>
    <message>
        <source>Do you expect something in return for every favour? Give freely and the reward will find you.</source>
        <translation>Вы ждёте чего-то взамен за каждую услугу? Отдавайте бескорыстно, и награда сама вас найдёт.</translation>
    </message>
    <message>
        <source>Finish projects that you have left undone before you begin anything new. Clear away what no longer serves you, forgive old hurts and say your goodbyes with grace. An ending now makes room for a better chapter that is about to begin.</source>
        <translation>Завершите незаконченные дела, прежде чем браться за новое. Избавьтесь от того, что вам больше не служит, простите старые обиды и достойно попрощайтесь. Завершение сейчас освобождает место для новой, лучшей главы, которая вот-вот начнётся.</translation>
    </message>
    <message>
        <source>Things may seem completed but in truth one last task remains. Look back over your recent work, tie up the loose ends, and only then rest and celebrate what you did.</source>
        <translation>Может показаться, что всё уже сделано, но на самом деле осталось последнее дело. Просмотрите свою недавнюю работу, доведите до конца все мелочи и только потом отдыхайте и празднуйте сделанное.</translation>
    </message>
    <message>
        <source>Concentrate and pray to God. All the guidance you need will come through faith and inner stillness.</source>
        <translation>Сосредоточьтесь и помолитесь Богу. Все нужные наставления придут к вам через веру и внутренний покой.</translation>
    </message>
    <message>
        <source>Learn to speak for yourself and your beliefs. Your voice can inspire others; do not hide it.</source>
        <translation>Научитесь отстаивать себя и свои убеждения. Ваш голос может вдохновлять других — не прячьте его.</translation>
    </message>
    <message>
        <source>Combine your daily routine with your spiritual practice, and every ordinary task becomes a prayer.</source>
        <translation>Соедините повседневные дела с духовной практикой, и любое обычное занятие станет молитвой.</translation>
    </message>
    <message>
        <source>You will need to recognize how strongly your moods affect others. Guard your nerves, rest when you feel overwhelmed, and let your calm become a light for those around you.</source>
        <translation>Вам нужно осознать, насколько сильно ваше настроение влияет на других. Берегите нервы, отдыхайте, когда чувствуете перегрузку, и пусть ваше спокойствие станет светом для окружающих.</translation>
    </message>
    <message>
        <source>Learn to let go of the fears that hold back your vision. Your intuition is sound; act on it with courage and you will see your ideals take shape in the world.</source>
        <translation>Научитесь отпускать страхи, которые сдерживают ваши замыслы. Ваша интуиция верна; смело следуйте ей, и вы увидите, как ваши идеалы воплощаются в жизнь.</translation>
    </message>
    <message>
        <source>Your spiritual interests will bring you into contact with people who share your ideals. Welcome them, learn from them, and together you can achieve something of lasting worth.</source>
        <translation>Духовные интересы сведут вас с людьми, которые разделяют ваши идеалы. Примите их радушно, учитесь у них, и вместе вы сможете создать нечто непреходящей ценности.</translation>
    </message>
    <message>
        <source>You have good leadership qualities. Use them to build something that will benefit many people, not only yourself. Think on a grand scale, but plan every detail with patience. Others will follow you if you stay honest, practical and true to your vision.</source>
        <translation>У вас хорошие лидерские качества. Создайте с их помощью то, что принесёт пользу многим, а не только вам. Мыслите масштабно, но терпеливо продумывайте детали. За вами пойдут, если вы будете честны, практичны и верны своему замыслу.</translation>
    </message>
    <message>
        <source>Spread love and gain lots more in return. Your kindness now can change many lives for the better.</source>
        <translation>Дарите любовь и получите взамен гораздо больше. Ваша доброта сейчас может изменить к лучшему многие жизни.</translation>
    </message>
</context>
<context>
    <name>NumberDescription</name>
    <message>
        <source>Do not waste your energy. Use this quiet time to rest and gather your strength before you act.</source>
        <translation>Не растрачивайте энергию впустую. Используйте это спокойное время, чтобы отдохнуть и набраться сил, прежде чем действовать.</translation>
    </message>
    <message>
        <source>Use your energies for achieving your own goals. Take the first step alone and trust your will.</source>
        <translation>Направьте свою энергию на достижение собственных целей. Сделайте первый шаг самостоятельно и доверьтесь своей воле.</translation>
    </message>
    <message>
        <source>This is a good time to start working with others. Listen closely, be patient with those around you, and let gentle cooperation carry you where force cannot.</source>
        <translation>Сейчас хорошее время, чтобы начать работать вместе с другими. Внимательно слушайте, будьте терпеливы с окружающими, и пусть мягкое сотрудничество приведёт вас туда, куда не приведёт сила.</translation>
    </message>
    <message>
        <source>The keyword for this number is expression. Speak, write or create, and let your joy be seen.</source>
        <translation>Ключевое слово этого числа — самовыражение. Говорите, пишите или творите, и пусть ваша радость будет видна.</translation>
    </message>
    <message>
        <source>You need to balance the various parts of your life before you build on them. Put your work, your home and your health in order, one patient step at a time. A steady routine and honest effort will give you the firm ground you need, so do not look for shortcuts now.</source>
        <translation>Прежде чем строить дальше, вам нужно привести в равновесие разные стороны своей жизни. Наведите порядок в работе, доме и здоровье — терпеливо, шаг за шагом. Размеренный распорядок и честный труд дадут вам твёрдую почву под ногами, поэтому сейчас не ищите коротких путей.</translation>
    </message>
    <message>
        <source>You will have a lot to deal with as changes arrive quickly. Stay flexible, welcome new experiences and keep your freedom without losing sight of your duties.</source>
        <translation>Перемены приходят быстро, и вам придётся со многим справляться. Сохраняйте гибкость, открывайтесь новому опыту и берегите свою свободу, не упуская из виду своих обязанностей.</translation>
    </message>
    <message>
        <source>This is the time to expand your love and care to your family and community. Others will turn to you for support and advice, so give it warmly but do not carry every burden yourself. Harmony at home will bring you the peace that lets the rest of your life grow.</source>
        <translation>Сейчас самое время окружить любовью и заботой свою семью и всех, кто рядом. Другие будут обращаться к вам за поддержкой и советом — давайте их от души, но не взваливайте на себя все тяготы. Гармония в доме принесёт вам покой, в котором сможет расти и вся остальная жизнь.</translation>
    </message>
    <message>
        <source>This is a very spiritual number. Step back from the noise of daily life and spend time alone in study, thought and prayer. The answers you seek lie within you, and they will come to you through quiet reflection rather than through the opinions of other people.</source>
        <translation>Это очень духовное число. Отойдите от повседневной суеты и проводите время в одиночестве за учёбой, размышлениями и молитвой. Ответы, которые вы ищете, находятся внутри вас, и придут они через спокойные раздумья, а не через мнения других людей.</translation>
    </message>
    <message>
        <source>Give till you can give no more, and you will find that abundance returns to you. This is a number of power and material reward, so use your authority wisely and fairly. Money and success will follow honest work, but remember that what you share matters more than what you keep.</source>
        <translation>Отдавайте до последнего, и вы увидите, как изобилие возвращается к вам. Это число власти и материального вознаграждения, поэтому пользуйтесь своим влиянием мудро и справедливо. Деньги и успех придут вслед за честным трудом, но помните: то, чем вы делитесь, важнее того, что вы оставляете себе.</translation>
    </message>
    <message>
        <source>Stop making excuses and complete the tasks you have begun. Let go of the past and forgive freely.</source>
        <translation>Перестаньте искать оправдания и завершите начатое. Отпустите прошлое и прощайте великодушно.</translation>
    </message>
    <message>
        <source>This is a spiritual number. You are being called to inspire others through your intuition and your faith. Trust the flashes of insight that come to you, even when others doubt them. Your sensitivity is a gift, so protect your calm and share your vision with kindness.</source>
        <translation>Это духовное число. Вы призваны вдохновлять других своей интуицией и верой. Доверяйте внезапным озарениям, даже если другие в них сомневаются. Ваша чуткость — это дар, поэтому берегите свой покой и делитесь своим видением с добротой.</translation>
    </message>
    <message>
        <source>You will be spiritually aware and able to turn great dreams into real and lasting works. Plan with care, think of the many, and build something that will serve others.</source>
        <translation>Вы обретёте духовную зоркость и сумеете превратить великие мечты в реальные и долговечные дела. Тщательно планируйте, думайте о многих и создавайте то, что будет служить другим.</translation>
    </message>
</context>
<context>
    <name>Stone</name>
    <message>
        <source>Agate</source>
        <translation>Агат</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Аквамарин</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Изумруд</translation>
    </message>
    <message>
        <source>Danburite</source>
        <translation>Данбурит</translation>
    </message>
    <message>
        <source>Kyanite</source>
        <translation>Кианит</translation>
    </message>
    <message>
        <source>Bloodstone, Jasper, Onyx</source>
        <translation>Гелиотроп, яшма, оникс</translation>
    </message>
    <message>
        <source>Malachite, Diamond</source>
        <translation>Малахит, алмаз</translation>
    </message>
    <message>
        <source>Howlite, Tiger&apos;s Eye</source>
        <translation>Говлит, тигровый глаз</translation>
    </message>
    <message>
        <source>Ruby, Sapphire</source>
        <translation>Рубин, сапфир</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Лазурит</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Топаз</translation>
    </message>
    <message>
        <source>Garnet, Peridot</source>
        <translation>Гранат, хризолит</translation>
    </message>
    <message>
        <source>Lepidolite</source>
        <translation>Лепидолит</translation>
    </message>
    <message>
        <source>Moonstone, Sunstone, Amazonite</source>
        <translation>Лунный камень, солнечный камень, амазонит</translation>
    </message>
    <message>
        <source>Turquoise, Azurite</source>
        <translation>Бирюза, азурит</translation>
    </message>
    <message>
        <source>Calcite, Selenite</source>
        <translation>Кальцит, селенит</translation>
    </message>
    <message>
        <source>Apache  Tear, Snowflake</source>
        <translation>Слеза апача, снежный обсидиан</translation>
    </message>
    <message>
        <source>Fluorite</source>
        <translation>Флюорит</translation>
    </message>
    <message>
        <source>Jade, Opal</source>
        <translation>Нефрит, опал</translation>
    </message>
    <message>
        <source>Hematite, Pyrite</source>
        <translation>Гематит, пирит</translation>
    </message>
    <message>
        <source>Tourmalinated Quartz</source>
        <translation>Кварц с турмалином</translation>
    </message>
    <message>
        <source>Kunzite</source>
        <translation>Кунцит</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>Родонит</translation>
    </message>
    <message>
        <source>Rhodochrosite</source>
        <translation>Родохрозит</translation>
    </message>
    <message>
        <source>Sugilite</source>
        <translation>Сугилит</translation>
    </message>
    <message>
        <source>Rose, Lavender Quartz</source>
        <translation>Розовый кварц, лавандовый кварц</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Аметист</translation>
    </message>
    <message>
        <source>Citrine</source>
        <translation>Цитрин</translation>
    </message>
    <message>
        <source>Black Quartz</source>
        <translation>Чёрный кварц</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Авантюрин</translation>
    </message>
    <message>
        <source>Blue Quartz, Celestite</source>
        <translation>Голубой кварц, целестин</translation>
    </message>
    <message>
        <source>Tourmaline</source>
        <translation>Турмалин</translation>
    </message>
    <message>
        <source>Moldavite, Phenacite, Dioptase</source>
        <translation>Молдавит, фенакит, диоптаз</translation>
    </message>
</context>
<context>
    <name>Totem</name>
    <message>
        <source>Turtle, Dolphin</source>
        <translation>Черепаха, дельфин</translation>
    </message>
    <message>
        <source>Eagle, Otter</source>
        <translation>Орёл, выдра</translation>
    </message>
    <message>
        <source>Wolf, Dog</source>
        <translation>Волк, собака</translation>
    </message>
    <message>
        <source>Deer, Ant</source>
        <translation>Олень, муравей</translation>
    </message>
    <message>
        <source>Horse, Swan</source>
        <translation>Лошадь, лебедь</translation>
    </message>
    <message>
        <source>Squirrel, Hummingbird</source>
        <translation>Белка, колибри</translation>
    </message>
    <message>
        <source>Beaver, Elk</source>
        <translation>Бобр, вапити</translation>
    </message>
    <message>
        <source>Buffalo, Raven</source>
        <translation>Бизон, ворон</translation>
    </message>
    <message>
        <source>Hawk, Spider</source>
        <translation>Ястреб, паук</translation>
    </message>
    <message>
        <source>Butterfly, Antelope</source>
        <translation>Бабочка, антилопа</translation>
    </message>
    <message>
        <source>Bear, Bat</source>
        <translation>Медведь, летучая мышь</translation>
    </message>
    <message>
        <source>Mountain Lion, Turkey</source>
        <translation>Пума, индейка</translation>
    </message>
</context>
<context>
    <name>dicemere::AboutWindow</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Посетить %1</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Узнать подробнее</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>dicemere::CastingPage</name>
    <message>
        <source>inside the circle</source>
        <translation>внутри круга</translation>
    </message>
    <message>
        <source>on the border of the circle</source>
        <translation>на краю круга</translation>
    </message>
    <message>
        <source>outside the circle</source>
        <translation>за пределами круга</translation>
    </message>
    <message>
        <source>Die %1: %2, %3</source>
        <translation>Кубик %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>dicemere::DiceCast</name>
    <message numerus="yes">
        <source>You have thrown %1 out of %n times</source>
        <translation>
            <numerusform>Вы бросили %1 из %n кубика</numerusform>
            <numerusform>Вы бросили %1 из %n кубиков</numerusform>
            <numerusform>Вы бросили %1 из %n кубиков</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Get My Enochian Numerology Result</source>
        <translation>Узнать мой енохианский &amp;результат</translation>
    </message>
    <message>
        <source>Dice %1 is in the border of the circle. Please recast it.</source>
        <translation>Кубик %1 попал на край круга. Пожалуйста, бросьте его ещё раз.</translation>
    </message>
</context>
<context>
    <name>dicemere::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Посетить %1 сейчас</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Рекомендовать другу</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Рекомендовать сейчас</translation>
    </message>
    <message>
        <source>More Programs From Example</source>
        <translation>Другие программы Example</translation>
    </message>
    <message>
        <source>Enjoyed Dicemere? The makers of www.example.com publish a whole range of small, friendly programs for astrology, tarot, numerology and everyday divination, and every one of them is free to try. Follow the link below to browse the Example Apps catalogue and find your next favourite.</source>
        <translation>Вам понравилась программа Dicemere? Создатели www.example.com выпускают целый ряд небольших удобных программ для астрологии, таро, нумерологии и повседневных гаданий, и каждую из них можно попробовать бесплатно. Перейдите по ссылке ниже, чтобы посмотреть каталог Example Apps и найти свою новую любимую программу.</translation>
    </message>
    <message>
        <source>Click Here To Visit Example Apps</source>
        <translation>Посетить Example Apps</translation>
    </message>
    <message>
        <source>Visit www.example.com often. Every visit to our mystic discussion forum helps us keep free programs like Dicemere alive and up to date.</source>
        <translation>Заходите на www.example.com почаще. Каждый ваш визит на наш мистический форум помогает нам поддерживать и обновлять бесплатные программы, такие как Dicemere.</translation>
    </message>
    <message>
        <source>Please drop in at the www.example.com discussion forum regularly. Your visits are what keep programs like this one maintained and free.</source>
        <translation>Пожалуйста, регулярно заглядывайте на форум www.example.com. Именно благодаря вашим посещениям такие программы, как эта, развиваются и остаются бесплатными.</translation>
    </message>
    <message>
        <source>Like Dicemere? Come and talk with other seekers at www.example.com every week: the forum&apos;s visitors are what pay for programs like this one.</source>
        <translation>Нравится Dicemere? Приходите каждую неделю на www.example.com и общайтесь с другими ищущими: именно посетители форума оплачивают такие программы, как эта.</translation>
    </message>
    <message>
        <source>Make www.example.com a regular stop. Each visit to our forum supports the upkeep of Dicemere and our other free programs.</source>
        <translation>Пусть www.example.com станет для вас привычным местом. Каждый визит на наш форум помогает поддерживать Dicemere и другие наши бесплатные программы.</translation>
    </message>
</context>
<context>
    <name>dicemere::FrontPage</name>
    <message>
        <source>Focus yourself on the problem on hand cast the dice.</source>
        <translation>Сосредоточьтесь на своей проблеме и бросьте кубики.</translation>
    </message>
    <message>
        <source>Choose number of dice to throw</source>
        <translation>Число кубиков для броска</translation>
    </message>
    <message>
        <source>&amp;Concentrate on your Problem And Cast the Dice</source>
        <translation>Сосредоточиться на проблеме и &amp;бросить кубики</translation>
    </message>
</context>
<context>
    <name>dicemere::IconPicture</name>
    <message>
        <source>Dicemere icon</source>
        <translation>Значок Dicemere</translation>
    </message>
</context>
<context>
    <name>dicemere::MainWindow</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>Самый популярный мистический онлайн-форум. Посетите %1 сейчас.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Выпустите эту программу под маркой своего сайта и привлеките больше постоянных посетителей. Разместите здесь название &amp;&amp; ссылку на свой сайт. Подробнее читайте в «Справке». Нажмите здесь, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>%1 Click here for more details.</source>
        <translation>%1 Нажмите здесь, чтобы узнать подробнее.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Посетить наш &amp;сайт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать в интернете</translation>
    </message>
</context>
<context>
    <name>dicemere::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введите разные адреса электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите своё имя.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введите свой адрес электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите своё сообщение.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя друга.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введите адрес электронной почты друга.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес электронной почты</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес электронной почты друга</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес электронной почты не может содержать пробелы.</translation>
    </message>
</context>
<context>
    <name>dicemere::ReminderMessages</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Возможно, для этой программы доступно обновление.
Проверить наличие обновлений?</translation>
    </message>
</context>
<context>
    <name>dicemere::ResultPage</name>
    <message>
        <source>Enochian Number</source>
        <translation>Енохианское число</translation>
    </message>
    <message>
        <source>Enochian Number Description</source>
        <translation>Описание енохианского числа</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Интерпретация</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Камень</translation>
    </message>
    <message>
        <source>Totem</source>
        <translation>Тотем</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Трава</translation>
    </message>
    <message>
        <source>Essential Oil</source>
        <translation>Эфирное масло</translation>
    </message>
    <message>
        <source>Flower Remedy</source>
        <translation>Цветок Баха</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Copy Reading</source>
        <translation>Копировать толкование</translation>
    </message>
    <message>
        <source>Dice %1: the combination %2 gives %3</source>
        <translation>Значения кубиков %1: комбинация %2 даёт %3</translation>
    </message>
    <message>
        <source>Dice %1: total %2</source>
        <translation>Значения кубиков %1: сумма равна %2</translation>
    </message>
</context>
<context>
    <name>dicemere::SharedTexts</name>
    <message>
        <source>Dicemere is a method of numerology divination that relates dice and numbers to help you find solutions to your problems.</source>
        <translation>Dicemere — это метод нумерологического гадания, который связывает кубики с числами и помогает найти решение ваших проблем.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Работа на дому: откройте свой интернет-бизнес и зарабатывайте онлайн. Получите эту программу под маркой своего сайта.</translation>
    </message>
</context>
<context>
    <name>dicemere::StartupMessages</name>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена.</translation>
    </message>
</context>
</TS>
