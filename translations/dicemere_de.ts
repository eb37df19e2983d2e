<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>EssentialOil</name>
    <message>
        <source>Tea Tree</source>
        <translation>Teebaum</translation>
    </message>
    <message>
        <source>Cedarwood</source>
        <translation>Zedernholz</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Sandalwood</source>
        <translation>Sandelholz</translation>
    </message>
    <message>
        <source>Citronella</source>
        <translation>Citronella</translation>
    </message>
    <message>
        <source>Geranium</source>
        <translation>Geranie</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Bergamot</source>
        <translation>Bergamotte</translation>
    </message>
    <message>
        <source>Thyme</source>
        <translation>Thymian</translation>
    </message>
    <message>
        <source>Eucalyptus</source>
        <translation>Eukalyptus</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Ingwer</translation>
    </message>
    <message>
        <source>Rosemary</source>
        <translation>Rosmarin</translation>
    </message>
    <message>
        <source>Anise</source>
        <translation>Anis</translation>
    </message>
    <message>
        <source>Peppermint</source>
        <translation>Pfefferminze</translation>
    </message>
    <message>
        <source>Neroli</source>
        <translation>Neroli</translation>
    </message>
    <message>
        <source>Wintergreen</source>
        <translation>Wintergrün</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>Myrrh</source>
        <translation>Myrrhe</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Gewürznelke</translation>
    </message>
    <message>
        <source>Clary Sage</source>
        <translation>Muskatellersalbei</translation>
    </message>
    <message>
        <source>Frankincense</source>
        <translation>Weihrauch</translation>
    </message>
    <message>
        <source>Patchouli</source>
        <translation>Patchouli</translation>
    </message>
    <message>
        <source>Jasmine</source>
        <translation>Jasmin</translation>
    </message>
    <message>
        <source>Ylang Ylang</source>
        <translation>Ylang-Ylang</translation>
    </message>
    <message>
        <source>Nutmeg</source>
        <translation>Muskatnuss</translation>
    </message>
    <message>
        <source>Spearmint</source>
        <translation>Krauseminze</translation>
    </message>
    <message>
        <source>Camomile</source>
        <translation>Kamille</translation>
    </message>
    <message>
        <source>Cinnamon</source>
        <translation>Zimt</translation>
    </message>
    <message>
        <source>Fir Needle</source>
        <translation>Tannennadel</translation>
    </message>
    <message>
        <source>Tangerine</source>
        <translation>Mandarine</translation>
    </message>
</context>
<context>
    <name>FlowerRemedy</name>
    <message>
        <source>Centaury</source>
        <translation>Tausendgüldenkraut</translation>
    </message>
    <message>
        <source>Cerato</source>
        <translation>Bleiwurz</translation>
    </message>
    <message>
        <source>Chicory</source>
        <translation>Wegwarte</translation>
    </message>
    <message>
        <source>Rock Water</source>
        <translation>Quellwasser</translation>
    </message>
    <message>
        <source>Honeysuckle</source>
        <translation>Geißblatt</translation>
    </message>
    <message>
        <source>Heather</source>
        <translation>Heidekraut</translation>
    </message>
    <message>
        <source>Water Violet</source>
        <translation>Sumpfwasserfeder</translation>
    </message>
    <message>
        <source>Hornbeam</source>
        <translation>Hainbuche</translation>
    </message>
    <message>
        <source>Clematis</source>
        <translation>Waldrebe</translation>
    </message>
    <message>
        <source>Beech</source>
        <translation>Rotbuche</translation>
    </message>
    <message>
        <source>Holly</source>
        <translation>Stechpalme</translation>
    </message>
    <message>
        <source>Mimulus</source>
        <translation>Gauklerblume</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Ackersenf</translation>
    </message>
    <message>
        <source>Wild Oat</source>
        <translation>Waldtrespe</translation>
    </message>
    <message>
        <source>White Chestnut</source>
        <translation>Rosskastanie</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Impatiens</source>
        <translation>Springkraut</translation>
    </message>
    <message>
        <source>Crab Apple</source>
        <translation>Holzapfel</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>Odermennig</translation>
    </message>
    <message>
        <source>Cherry Plum</source>
        <translation>Kirschpflaume</translation>
    </message>
    <message>
        <source>Rock Rose</source>
        <translation>Sonnenröschen</translation>
    </message>
    <message>
        <source>Star of Bethlehem</source>
        <translation>Doldiger Milchstern</translation>
    </message>
    <message>
        <source>Gorse</source>
        <translation>Stechginster</translation>
    </message>
    <message>
        <source>Sweet Chestnut</source>
        <translation>Edelkastanie</translation>
    </message>
    <message>
        <source>Red Chestnut, Aspen</source>
        <translation>Rote Kastanie, Zitterpappel</translation>
    </message>
    <message>
        <source>Gentian, Larch</source>
        <translation>Enzian, Lärche</translation>
    </message>
    <message>
        <source>Chestnut Bud, Scheranthus</source>
        <translation>Kastanienknospe, Einjähriger Knäuel</translation>
    </message>
    <message>
        <source>Walnut, Vervain</source>
        <translation>Walnuss, Eisenkraut</translation>
    </message>
    <message>
        <source>Wild Rose, Willow</source>
        <translation>Heckenrose, Weide</translation>
    </message>
    <message>
        <source>Oak, Elm</source>
        <translation>Eiche, Ulme</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>Kiefer</translation>
    </message>
    <message>
        <source>Vine</source>
        <translation>Weinrebe</translation>
    </message>
</context>
<context>
    <name>Herb</name>
    <message>
        <source>Skullcap</source>
        <translation>Helmkraut</translation>
    </message>
    <message>
        <source>Fenugreek</source>
        <translation>Bockshornklee</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Yarrow</source>
        <translation>Schafgarbe</translation>
    </message>
    <message>
        <source>Barberry</source>
        <translation>Berberitze</translation>
    </message>
    <message>
        <source>Plantain</source>
        <translation>Wegerich</translation>
    </message>
    <message>
        <source>Ephedra</source>
        <translation>Ephedra</translation>
    </message>
    <message>
        <source>Coriander</source>
        <translation>Koriander</translation>
    </message>
    <message>
        <source>Juniper</source>
        <translation>Wacholder</translation>
    </message>
    <message>
        <source>Safflower</source>
        <translation>Färberdistel</translation>
    </message>
    <message>
        <source>Chervil</source>
        <translation>Kerbel</translation>
    </message>
    <message>
        <source>Saw Palmetto</source>
        <translation>Sägepalme</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Distel</translation>
    </message>
    <message>
        <source>Damiana</source>
        <translation>Damiana</translation>
    </message>
    <message>
        <source>Centaury</source>
        <translation>Tausendgüldenkraut</translation>
    </message>
    <message>
        <source>Feverfew</source>
        <translation>Mutterkraut</translation>
    </message>
    <message>
        <source>Chamomile</source>
        <translation>Kamille</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Wurzel</translation>
    </message>
    <message>
        <source>Cascara Sagrada</source>
        <translation>Cascara Sagrada</translation>
    </message>
    <message>
        <source>Hops</source>
        <translation>Hopfen</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Löwenzahn</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Gewürznelke</translation>
    </message>
    <message>
        <source>Lemon Balm</source>
        <translation>Zitronenmelisse</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>Odermennig</translation>
    </message>
    <message>
        <source>Pleurisy root</source>
        <translation>Knollige Seidenpflanze</translation>
    </message>
    <message>
        <source>St. Johnswort</source>
        <translation>Johanniskraut</translation>
    </message>
    <message>
        <source>Mugwort</source>
        <translation>Beifuß</translation>
    </message>
    <message>
        <source>Black Walnut</source>
        <translation>Schwarznuss</translation>
    </message>
    <message>
        <source>Echinacea</source>
        <translation>Sonnenhut</translation>
    </message>
    <message>
        <source>Cleavers</source>
        <translation>Klettenlabkraut</translation>
    </message>
    <message>
        <source>Angelica</source>
        <translation>Engelwurz</translation>
    </message>
    <message>
        <source>Mullein</source>
        <translation>Königskerze</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>NA</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>This is the time to analyze your situation with a clear mind. Look at the facts, decide what you truly want, and then act on your own judgement without waiting.</source>
        <translation>Jetzt ist der richtige Zeitpunkt, Ihre Lage mit klarem Kopf zu analysieren. Prüfen Sie die Fakten, entscheiden Sie, was Sie wirklich wollen, und handeln Sie dann ohne Zögern nach Ihrem eigenen Urteil.</translation>
    </message>
    <message>
        <source>You will achieve something in the near future that makes you proud. Keep your courage, follow the path you have chosen and do not let others lead you away from it.</source>
        <translation>Sie werden bald etwas erreichen, das Sie stolz macht. Bewahren Sie Ihren Mut, folgen Sie dem gewählten Weg und lassen Sie sich von niemandem davon abbringen.</translation>
    </message>
    <message>
        <source>You may not be sure of the road ahead, but a new beginning is waiting. Take one small, bold step today and you will find your confidence growing with every stride.</source>
        <translation>Vielleicht ist Ihnen der Weg noch unklar, doch ein Neubeginn wartet auf Sie. Wagen Sie heute einen kleinen, mutigen Schritt, und Ihre Zuversicht wird mit jedem weiteren wachsen.</translation>
    </message>
    <message>
        <source>This is the time to enter into partnerships and agreements. Choose your companions with care, be tactful in what you say, and let trust grow slowly between you.</source>
        <translation>Jetzt ist der richtige Zeitpunkt für Partnerschaften und Vereinbarungen. Wählen Sie Ihre Weggefährten mit Bedacht, sprechen Sie taktvoll und lassen Sie das Vertrauen zwischen Ihnen langsam wachsen.</translation>
    </message>
    <message>
        <source>Learn to focus on your spiritual side and trust your intuition; quiet moments will show you the way.</source>
        <translation>Lernen Sie, auf Ihre spirituelle Seite zu achten, und vertrauen Sie Ihrer Intuition; stille Momente weisen Ihnen den Weg.</translation>
    </message>
    <message>
        <source>This is a good time to build bridges with the people around you. Mend old quarrels, offer a helping hand and value the peace that comes from working together.</source>
        <translation>Jetzt ist eine gute Zeit, Brücken zu Ihren Mitmenschen zu bauen. Legen Sie alten Streit bei, reichen Sie eine helfende Hand und schätzen Sie den Frieden, der aus Zusammenarbeit entsteht.</translation>
    </message>
    <message>
        <source>You can join with friends or family in something creative and joyful. Share your ideas openly, laugh often, and let your natural optimism lift the mood of others.</source>
        <translation>Sie können mit Freunden oder Familie etwas Kreatives und Fröhliches beginnen. Teilen Sie Ihre Ideen offen, lachen Sie oft und heben Sie mit Ihrem Optimismus die Stimmung anderer.</translation>
    </message>
    <message>
        <source>Meditation can bring you a lot of clarity at this time. Set aside a few quiet minutes each day to still your mind, and your words will become wiser and kinder.</source>
        <translation>Meditation kann Ihnen jetzt viel Klarheit schenken. Nehmen Sie sich täglich ein paar stille Minuten, um Ihren Geist zur Ruhe zu bringen, und Ihre Worte werden weiser und freundlicher.</translation>
    </message>
    <message>
        <source>Think of how a change in the way you express yourself could open new doors. Try a fresh approach, speak from the heart, and be ready to be noticed for your talent.</source>
        <translation>Überlegen Sie, wie Ihnen eine neue Art, sich auszudrücken, Türen öffnen könnte. Versuchen Sie einen frischen Ansatz, sprechen Sie von Herzen und seien Sie bereit, mit Ihrem Talent aufzufallen.</translation>
    </message>
    <message>
        <source>You need to express yourself better. Say plainly what you need from others at home and at work, and put your plans on paper so that they become firm and real.</source>
        <translation>Sie müssen sich besser ausdrücken. Sagen Sie klar, was Sie zu Hause und bei der Arbeit von anderen brauchen, und bringen Sie Ihre Pläne zu Papier, damit sie fest und greifbar werden.</translation>
    </message>
    <message>
        <source>You have achieved your goals in one part of your life; now bring the same discipline to the rest. Order your days, keep your promises and the foundations will hold.</source>
        <translation>Sie haben Ihre Ziele in einem Lebensbereich erreicht; bringen Sie nun dieselbe Disziplin in die übrigen. Ordnen Sie Ihre Tage, halten Sie Ihre Versprechen, dann hält auch das Fundament.</translation>
    </message>
    <message>
        <source>Do not be secretive and keep your plans hidden. Be open about the changes you want to make.</source>
        <translation>Halten Sie Ihre Pläne nicht geheim. Sprechen Sie offen über die Veränderungen, die Sie vorhaben.</translation>
    </message>
    <message>
        <source>You are keeping too much to yourself. Share your thoughts and let a friend help you decide.</source>
        <translation>Sie behalten zu viel für sich. Teilen Sie Ihre Gedanken und lassen Sie sich von einem Freund beim Entscheiden helfen.</translation>
    </message>
    <message>
        <source>You are spending too much time on restless pursuits. Slow down and choose what really matters.</source>
        <translation>Sie verbringen zu viel Zeit mit rastlosem Treiben. Treten Sie kürzer und wählen Sie, was wirklich zählt.</translation>
    </message>
    <message>
        <source>You have given a lot of love and care to others. Now allow them to give something back to you, and accept their kindness without feeling that you owe them anything.</source>
        <translation>Sie haben anderen viel Liebe und Fürsorge geschenkt. Erlauben Sie ihnen nun, Ihnen etwas zurückzugeben, und nehmen Sie ihre Freundlichkeit an, ohne sich in ihrer Schuld zu fühlen.</translation>
    </message>
    <message>
        <source>Don&apos;t be in a hurry to take on every responsibility that is offered. Help where you are truly needed, and keep enough time and energy for your own home and heart.</source>
        <translation>Übernehmen Sie nicht vorschnell jede angebotene Verantwortung. Helfen Sie, wo Sie wirklich gebraucht werden, und bewahren Sie genug Zeit und Kraft für Ihr eigenes Zuhause und Herz.</translation>
    </message>
    <message>
        <source>Use the skills and knowledge you have gained to serve your community. Teaching, healing or simply listening well will bring harmony to you and to those you touch.</source>
        <translation>Nutzen Sie Ihre erworbenen Fähigkeiten und Ihr Wissen, um Ihrer Gemeinschaft zu dienen. Lehren, Heilen oder einfach gutes Zuhören bringt Ihnen und allen, denen Sie begegnen, Harmonie.</translation>
    </message>
    <message>
        <source>You will do good to work alone for a while. Study a subject that fascinates you, keep a journal of your thoughts, and trust the wisdom that grows out of solitude.</source>
        <translation>Eine Weile allein zu arbeiten, tut Ihnen gut. Widmen Sie sich einem Thema, das Sie fasziniert, führen Sie ein Tagebuch Ihrer Gedanken und vertrauen Sie der Weisheit, die in der Stille wächst.</translation>
    </message>
    <message>
        <source>Spirituality and belief go hand in hand for you now. Set time aside for prayer or meditation, and read the works that feed your soul. Do not be troubled if others fail to understand; your inner search will lead you to a deeper truth.</source>
        <translation>Spiritualität und Glaube gehen für Sie jetzt Hand in Hand. Nehmen Sie sich Zeit für Gebet oder Meditation und lesen Sie, was Ihre Seele nährt. Sorgen Sie sich nicht, wenn andere Sie nicht verstehen; Ihre innere Suche führt Sie zu einer tieferen Wahrheit.</translation>
    </message>
    <message>
        <source>You will get great joy by using your success to help those who have less. Manage your money with care and be fair in every dealing. Power used with kindness will grow, while power used selfishly will slip through your fingers.</source>
        <translation>Es wird Ihnen große Freude bereiten, mit Ihrem Erfolg denen zu helfen, die weniger haben. Gehen Sie sorgsam mit Geld um und seien Sie bei jedem Geschäft fair. Mit Güte eingesetzte Macht wächst, selbstsüchtig genutzte Macht zerrinnt Ihnen zwischen den Fingern.</translation>
    </message>
    <message>
        <source>Do you expect something in return for every favour? Give freely and the reward will find you.</source>
        <translation>Erwarten Sie für jeden Gefallen eine Gegenleistung? Geben Sie freigiebig, und der Lohn wird Sie finden.</translation>
    </message>
    <message>
        <source>Finish projects that you have left undone before you begin anything new. Clear away what no longer serves you, forgive old hurts and say your goodbyes with grace. An ending now makes room for a better chapter that is about to begin.</source>
        <translation>Schließen Sie unvollendete Projekte ab, bevor Sie etwas Neues beginnen. Räumen Sie weg, was Ihnen nicht mehr dient, vergeben Sie alte Kränkungen und verabschieden Sie sich mit Würde. Ein Ende schafft jetzt Raum für ein besseres Kapitel, das bald beginnt.</translation>
    </message>
    <message>
        <source>Things may seem completed but in truth one last task remains. Look back over your recent work, tie up the loose ends, and only then rest and celebrate what you did.</source>
        <translation>Manches scheint erledigt, doch eine letzte Aufgabe bleibt. Sehen Sie Ihre jüngste Arbeit durch, schließen Sie Offenes ab, und erst dann ruhen Sie sich aus und feiern Ihr Werk.</translation>
    </message>
    <message>
        <source>Concentrate and pray to God. All the guidance you need will come through faith and inner stillness.</source>
        <translation>Konzentrieren Sie sich und beten Sie zu Gott. Die Führung, die Sie brauchen, erhalten Sie durch Glauben und innere Stille.</translation>
    </message>
    <message>
        <source>Learn to speak for yourself and your beliefs. Your voice can inspire others; do not hide it.</source>
        <translation>Lernen Sie, für sich und Ihre Überzeugungen einzustehen. Ihre Stimme kann andere inspirieren; verstecken Sie sie nicht.</translation>
    </message>
    <message>
        <source>Combine your daily routine with your spiritual practice, and every ordinary task becomes a prayer.</source>
        <translation>Verbinden Sie Ihren Alltag mit Ihrer spirituellen Praxis, und jede gewöhnliche Aufgabe wird zum Gebet.</translation>
    </message>
    <message>
        <source>You will need to recognize how strongly your moods affect others. Guard your nerves, rest when you feel overwhelmed, and let your calm become a light for those around you.</source>
        <translation>Sie müssen erkennen, wie stark Ihre Stimmungen andere beeinflussen. Schonen Sie Ihre Nerven, ruhen Sie sich aus, wenn Ihnen alles zu viel wird, und lassen Sie Ihre Ruhe zum Licht für Ihre Mitmenschen werden.</translation>
    </message>
    <message>
        <source>Learn to let go of the fears that hold back your vision. Your intuition is sound; act on it with courage and you will see your ideals take shape in the world.</source>
        <translation>Lernen Sie, die Ängste loszulassen, die Ihre Vision hemmen. Ihre Intuition ist verlässlich; folgen Sie ihr mutig, und Sie werden sehen, wie Ihre Ideale in der Welt Gestalt annehmen.</translation>
    </message>
    <message>
        <source>Your spiritual interests will bring you into contact with people who share your ideals. Welcome them, learn from them, and together you can achieve something of lasting worth.</source>
        <translation>Ihre spirituellen Interessen bringen Sie mit Menschen zusammen, die Ihre Ideale teilen. Heißen Sie sie willkommen, lernen Sie von ihnen, und gemeinsam können Sie etwas von bleibendem Wert schaffen.</translation>
    </message>
    <message>
        <source>You have good leadership qualities. Use them to build something that will benefit many people, not only yourself. Think on a grand scale, but plan every detail with patience. Others will follow you if you stay honest, practical and true to your vision.</source>
        <translation>Sie haben gute Führungsqualitäten. Nutzen Sie sie, um etwas aufzubauen, das vielen Menschen nützt, nicht nur Ihnen selbst. Denken Sie in großen Maßstäben, aber planen Sie jedes Detail mit Geduld. Andere folgen Ihnen, wenn Sie ehrlich, praktisch und Ihrer Vision treu bleiben.</translation>
    </message>
    <message>
        <source>Spread love and gain lots more in return. Your kindness now can change many lives for the better.</source>
        <translation>Verbreiten Sie Liebe, und Sie bekommen viel mehr zurück. Ihre Güte kann jetzt viele Leben zum Besseren verändern.</translation>
    </message>
</context>
<context>
    <name>NumberDescription</name>
    <message>
        <source>Do not waste your energy. Use this quiet time to rest and gather your strength before you act.</source>
        <translation>Verschwenden Sie keine Energie. Nutzen Sie diese ruhige Zeit, um sich zu erholen und Kraft zu sammeln, bevor Sie handeln.</translation>
    </message>
    <message>
        <source>Use your energies for achieving your own goals. Take the first step alone and trust your will.</source>
        <translation>Setzen Sie Ihre Energie für Ihre eigenen Ziele ein. Gehen Sie den ersten Schritt allein und vertrauen Sie Ihrem Willen.</translation>
    </message>
    <message>
        <source>This is a good time to start working with others. Listen closely, be patient with those around you, and let gentle cooperation carry you where force cannot.</source>
        <translation>Jetzt ist eine gute Zeit für die Zusammenarbeit mit anderen. Hören Sie genau zu, haben Sie Geduld mit Ihrem Umfeld und lassen Sie sanfte Kooperation dort wirken, wo Zwang nichts erreicht.</translation>
    </message>
    <message>
        <source>The keyword for this number is expression. Speak, write or create, and let your joy be seen.</source>
        <translation>Das Schlüsselwort dieser Zahl ist Ausdruck. Sprechen, schreiben oder gestalten Sie, und zeigen Sie Ihre Freude.</translation>
    </message>
    <message>
        <source>You need to balance the various parts of your life before you build on them. Put your work, your home and your health in order, one patient step at a time. A steady routine and honest effort will give you the firm ground you need, so do not look for shortcuts now.</source>
        <translation>Bringen Sie die verschiedenen Bereiche Ihres Lebens ins Gleichgewicht, bevor Sie darauf aufbauen. Ordnen Sie Arbeit, Zuhause und Gesundheit, geduldig Schritt für Schritt. Ein geregelter Tagesablauf und ehrliche Mühe geben Ihnen den festen Boden, den Sie brauchen; suchen Sie jetzt also keine Abkürzungen.</translation>
    </message>
    <message>
        <source>You will have a lot to deal with as changes arrive quickly. Stay flexible, welcome new experiences and keep your freedom without losing sight of your duties.</source>
        <translation>Veränderungen kommen schnell, und Sie werden viel zu bewältigen haben. Bleiben Sie flexibel und offen für Neues, und bewahren Sie Ihre Freiheit, ohne Ihre Pflichten zu vergessen.</translation>
    </message>
    <message>
        <source>This is the time to expand your love and care to your family and community. Others will turn to you for support and advice, so give it warmly but do not carry every burden yourself. Harmony at home will bring you the peace that lets the rest of your life grow.</source>
        <translation>Jetzt ist der richtige Zeitpunkt, Ihre Liebe und Fürsorge auf Familie und Gemeinschaft auszudehnen. Andere werden Sie um Hilfe und Rat bitten; geben Sie beides herzlich, aber tragen Sie nicht jede Last allein. Harmonie zu Hause schenkt Ihnen den Frieden, in dem der Rest Ihres Lebens wachsen kann.</translation>
    </message>
    <message>
        <source>This is a very spiritual number. Step back from the noise of daily life and spend time alone in study, thought and prayer. The answers you seek lie within you, and they will come to you through quiet reflection rather than through the opinions of other people.</source>
        <translation>Dies ist eine sehr spirituelle Zahl. Ziehen Sie sich vom Lärm des Alltags zurück und verbringen Sie Zeit allein mit Studium, Nachdenken und Gebet. Die Antworten, die Sie suchen, liegen in Ihnen; sie kommen durch stille Besinnung zu Ihnen, nicht durch die Meinungen anderer.</translation>
    </message>
    <message>
        <source>Give till you can give no more, and you will find that abundance returns to you. This is a number of power and material reward, so use your authority wisely and fairly. Money and success will follow honest work, but remember that what you share matters more than what you keep.</source>
        <translation>Geben Sie, bis Sie nichts mehr geben können, und Sie werden erleben, wie Fülle zu Ihnen zurückkehrt. Dies ist eine Zahl der Macht und des materiellen Lohns; setzen Sie Ihre Autorität also klug und gerecht ein. Geld und Erfolg folgen ehrlicher Arbeit, doch was Sie teilen, zählt mehr als das, was Sie behalten.</translation>
    </message>
    <message>
        <source>Stop making excuses and complete the tasks you have begun. Let go of the past and forgive freely.</source>
        <translation>Suchen Sie keine Ausreden mehr und vollenden Sie, was Sie begonnen haben. Lassen Sie die Vergangenheit los und vergeben Sie großzügig.</translation>
    </message>
    <message>
        <source>This is a spiritual number. You are being called to inspire others through your intuition and your faith. Trust the flashes of insight that come to you, even when others doubt them. Your sensitivity is a gift, so protect your calm and share your vision with kindness.</source>
        <translation>Dies ist eine spirituelle Zahl. Sie sind berufen, andere durch Ihre Intuition und Ihren Glauben zu inspirieren. Vertrauen Sie Ihren Eingebungen, auch wenn andere daran zweifeln. Ihre Sensibilität ist ein Geschenk: Bewahren Sie Ihre Ruhe und teilen Sie Ihre Vision mit Güte.</translation>
    </message>
    <message>
        <source>You will be spiritually aware and able to turn great dreams into real and lasting works. Plan with care, think of the many, and build something that will serve others.</source>
        <translation>Sie werden spirituell wach sein und große Träume in reale, dauerhafte Werke verwandeln können. Planen Sie sorgfältig, denken Sie an das Wohl vieler und schaffen Sie etwas, das anderen dient.</translation>
    </message>
</context>
<context>
    <name>Stone</name>
    <message>
        <source>Agate</source>
        <translation>Achat</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Smaragd</translation>
    </message>
    <message>
        <source>Danburite</source>
        <translation>Danburit</translation>
    </message>
    <message>
        <source>Kyanite</source>
        <translation>Disthen</translation>
    </message>
    <message>
        <source>Bloodstone, Jasper, Onyx</source>
        <translation>Heliotrop, Jaspis, Onyx</translation>
    </message>
    <message>
        <source>Malachite, Diamond</source>
        <translation>Malachit, Diamant</translation>
    </message>
    <message>
        <source>Howlite, Tiger&apos;s Eye</source>
        <translation>Howlith, Tigerauge</translation>
    </message>
    <message>
        <source>Ruby, Sapphire</source>
        <translation>Rubin, Saphir</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Lapislazuli</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topas</translation>
    </message>
    <message>
        <source>Garnet, Peridot</source>
        <translation>Granat, Peridot</translation>
    </message>
    <message>
        <source>Lepidolite</source>
        <translation>Lepidolith</translation>
    </message>
    <message>
        <source>Moonstone, Sunstone, Amazonite</source>
        <translation>Mondstein, Sonnenstein, Amazonit</translation>
    </message>
    <message>
        <source>Turquoise, Azurite</source>
        <translation>Türkis, Azurit</translation>
    </message>
    <message>
        <source>Calcite, Selenite</source>
        <translation>Calcit, Selenit</translation>
    </message>
    <message>
        <source>Apache  Tear, Snowflake</source>
        <translation>Apachenträne, Schneeflockenobsidian</translation>
    </message>
    <message>
        <source>Fluorite</source>
        <translation>Fluorit</translation>
    </message>
    <message>
        <source>Jade, Opal</source>
        <translation>Jade, Opal</translation>
    </message>
    <message>
        <source>Hematite, Pyrite</source>
        <translation>Hämatit, Pyrit</translation>
    </message>
    <message>
        <source>Tourmalinated Quartz</source>
        <translation>Turmalinquarz</translation>
    </message>
    <message>
        <source>Kunzite</source>
        <translation>Kunzit</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>Rhodonit</translation>
    </message>
    <message>
        <source>Rhodochrosite</source>
        <translation>Rhodochrosit</translation>
    </message>
    <message>
        <source>Sugilite</source>
        <translation>Sugilith</translation>
    </message>
    <message>
        <source>Rose, Lavender Quartz</source>
        <translation>Rosenquarz, Lavendelquarz</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amethyst</translation>
    </message>
    <message>
        <source>Citrine</source>
        <translation>Citrin</translation>
    </message>
    <message>
        <source>Black Quartz</source>
        <translation>Schwarzquarz</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Aventurin</translation>
    </message>
    <message>
        <source>Blue Quartz, Celestite</source>
        <translation>Blauquarz, Coelestin</translation>
    </message>
    <message>
        <source>Tourmaline</source>
        <translation>Turmalin</translation>
    </message>
    <message>
        <source>Moldavite, Phenacite, Dioptase</source>
        <translation>Moldavit, Phenakit, Dioptas</translation>
    </message>
</context>
<context>
    <name>Totem</name>
    <message>
        <source>Turtle, Dolphin</source>
        <translation>Schildkröte, Delfin</translation>
    </message>
    <message>
        <source>Eagle, Otter</source>
        <translation>Adler, Otter</translation>
    </message>
    <message>
        <source>Wolf, Dog</source>
        <translation>Wolf, Hund</translation>
    </message>
    <message>
        <source>Deer, Ant</source>
        <translation>Hirsch, Ameise</translation>
    </message>
    <message>
        <source>Horse, Swan</source>
        <translation>Pferd, Schwan</translation>
    </message>
    <message>
        <source>Squirrel, Hummingbird</source>
        <translation>Eichhörnchen, Kolibri</translation>
    </message>
    <message>
        <source>Beaver, Elk</source>
        <translation>Biber, Wapiti</translation>
    </message>
    <message>
        <source>Buffalo, Raven</source>
        <translation>Büffel, Rabe</translation>
    </message>
    <message>
        <source>Hawk, Spider</source>
        <translation>Falke, Spinne</translation>
    </message>
    <message>
        <source>Butterfly, Antelope</source>
        <translation>Schmetterling, Antilope</translation>
    </message>
    <message>
        <source>Bear, Bat</source>
        <translation>Bär, Fledermaus</translation>
    </message>
    <message>
        <source>Mountain Lion, Turkey</source>
        <translation>Puma, Truthahn</translation>
    </message>
</context>
<context>
    <name>dicemere::AboutWindow</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Besuchen Sie %1</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Weitere Details ansehen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>dicemere::CastingPage</name>
    <message>
        <source>inside the circle</source>
        <translation>im Kreis</translation>
    </message>
    <message>
        <source>on the border of the circle</source>
        <translation>auf dem Rand des Kreises</translation>
    </message>
    <message>
        <source>outside the circle</source>
        <translation>außerhalb des Kreises</translation>
    </message>
    <message>
        <source>Die %1: %2, %3</source>
        <translation>Würfel %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>dicemere::DiceCast</name>
    <message numerus="yes">
        <source>You have thrown %1 out of %n times</source>
        <translation>
            <numerusform>Sie haben %1 von %n Würfel geworfen</numerusform>
            <numerusform>Sie haben %1 von %n Würfeln geworfen</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Get My Enochian Numerology Result</source>
        <translation>Mein henochisches &amp;Ergebnis anzeigen</translation>
    </message>
    <message>
        <source>Dice %1 is in the border of the circle. Please recast it.</source>
        <translation>Würfel %1 liegt auf dem Rand des Kreises. Bitte werfen Sie ihn erneut.</translation>
    </message>
</context>
<context>
    <name>dicemere::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Besuchen Sie jetzt %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>More Programs From Example</source>
        <translation>Mehr Programme von Example</translation>
    </message>
    <message>
        <source>Enjoyed Dicemere? The makers of www.example.com publish a whole range of small, friendly programs for astrology, tarot, numerology and everyday divination, and every one of them is free to try. Follow the link below to browse the Example Apps catalogue and find your next favourite.</source>
        <translation>Hat Ihnen Dicemere gefallen? Die Macher von www.example.com bieten eine ganze Reihe kleiner, freundlicher Programme für Astrologie, Tarot, Numerologie und Wahrsagen im Alltag, und jedes davon können Sie kostenlos ausprobieren. Folgen Sie dem Link unten, stöbern Sie im Katalog von Example Apps und finden Sie Ihren nächsten Favoriten.</translation>
    </message>
    <message>
        <source>Click Here To Visit Example Apps</source>
        <translation>Besuchen Sie Example Apps</translation>
    </message>
    <message>
        <source>Visit www.example.com often. Every visit to our mystic discussion forum helps us keep free programs like Dicemere alive and up to date.</source>
        <translation>Besuchen Sie www.example.com oft. Jeder Besuch in unserem Mystik-Forum hilft uns, kostenlose Programme wie Dicemere lebendig und aktuell zu halten.</translation>
    </message>
    <message>
        <source>Please drop in at the www.example.com discussion forum regularly. Your visits are what keep programs like this one maintained and free.</source>
        <translation>Schauen Sie regelmäßig im Forum von www.example.com vorbei. Ihre Besuche sorgen dafür, dass Programme wie dieses gepflegt werden und kostenlos bleiben.</translation>
    </message>
    <message>
        <source>Like Dicemere? Come and talk with other seekers at www.example.com every week: the forum&apos;s visitors are what pay for programs like this one.</source>
        <translation>Gefällt Ihnen Dicemere? Tauschen Sie sich jede Woche auf www.example.com mit anderen Suchenden aus: Die Besucher des Forums finanzieren Programme wie dieses.</translation>
    </message>
    <message>
        <source>Make www.example.com a regular stop. Each visit to our forum supports the upkeep of Dicemere and our other free programs.</source>
        <translation>Machen Sie www.example.com zu Ihrer festen Anlaufstelle. Jeder Besuch in unserem Forum hilft, Dicemere und unsere anderen kostenlosen Programme zu pflegen.</translation>
    </message>
</context>
<context>
    <name>dicemere::FrontPage</name>
    <message>
        <source>Focus yourself on the problem on hand cast the dice.</source>
        <translation>Konzentrieren Sie sich auf Ihr Problem und würfeln Sie.</translation>
    </message>
    <message>
        <source>Choose number of dice to throw</source>
        <translation>Anzahl der Würfel wählen</translation>
    </message>
    <message>
        <source>&amp;Concentrate on your Problem And Cast the Dice</source>
        <translation>Auf Ihr Problem &amp;konzentrieren und würfeln</translation>
    </message>
</context>
<context>
    <name>dicemere::IconPicture</name>
    <message>
        <source>Dicemere icon</source>
        <translation>Dicemere-Symbol</translation>
    </message>
</context>
<context>
    <name>dicemere::MainWindow</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>Das beliebteste Mystik-Forum im Internet. Besuchen Sie jetzt %1.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Versehen Sie dieses Programm mit der Marke Ihrer Website und gewinnen Sie mehr treue Besucher. Platzieren Sie hier Namen &amp;&amp; Link Ihrer Website. Details finden Sie unter „Hilfe“. Klicken Sie hier für mehr Informationen zum Co-Branding.</translation>
    </message>
    <message>
        <source>%1 Click here for more details.</source>
        <translation>%1 Klicken Sie hier für weitere Details.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber das Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
</context>
<context>
    <name>dicemere::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>E-Mail-Adressen dürfen keine Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>dicemere::ReminderMessages</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für dieses Programm verfügbar.
Möchten Sie nach Updates suchen?</translation>
    </message>
</context>
<context>
    <name>dicemere::ResultPage</name>
    <message>
        <source>Enochian Number</source>
        <translation>Henochische Zahl</translation>
    </message>
    <message>
        <source>Enochian Number Description</source>
        <translation>Beschreibung der henochischen Zahl</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretation</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Totem</source>
        <translation>Totem</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Kraut</translation>
    </message>
    <message>
        <source>Essential Oil</source>
        <translation>Ätherisches Öl</translation>
    </message>
    <message>
        <source>Flower Remedy</source>
        <translation>Bachblüte</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Copy Reading</source>
        <translation>Deutung kopieren</translation>
    </message>
    <message>
        <source>Dice %1: the combination %2 gives %3</source>
        <translation>Würfelwerte %1: Die Kombination %2 ergibt %3</translation>
    </message>
    <message>
        <source>Dice %1: total %2</source>
        <translation>Würfelwerte %1: Die Summe ist %2</translation>
    </message>
</context>
<context>
    <name>dicemere::SharedTexts</name>
    <message>
        <source>Dicemere is a method of numerology divination that relates dice and numbers to help you find solutions to your problems.</source>
        <translation>Dicemere ist eine numerologische Wahrsagemethode, die Würfel mit Zahlen verknüpft und Ihnen hilft, Lösungen für Ihre Probleme zu finden.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Bieten Sie dieses Programm unter Ihrer Marke an.</translation>
    </message>
</context>
<context>
    <name>dicemere::StartupMessages</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm wird bereits ausgeführt.</translation>
    </message>
</context>
</TS>
