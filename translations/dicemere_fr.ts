<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>EssentialOil</name>
    <message>
        <source>Tea Tree</source>
        <translation>Arbre à thé</translation>
    </message>
    <message>
        <source>Cedarwood</source>
        <translation>Cèdre</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Sandalwood</source>
        <translation>Santal</translation>
    </message>
    <message>
        <source>Citronella</source>
        <translation>Citronnelle</translation>
    </message>
    <message>
        <source>Geranium</source>
        <translation>Géranium</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Bergamot</source>
        <translation>Bergamote</translation>
    </message>
    <message>
        <source>Thyme</source>
        <translation>Thym</translation>
    </message>
    <message>
        <source>Eucalyptus</source>
        <translation>Eucalyptus</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Gingembre</translation>
    </message>
    <message>
        <source>Rosemary</source>
        <translation>Romarin</translation>
    </message>
    <message>
        <source>Anise</source>
        <translation>Anis</translation>
    </message>
    <message>
        <source>Peppermint</source>
        <translation>Menthe poivrée</translation>
    </message>
    <message>
        <source>Neroli</source>
        <translation>Néroli</translation>
    </message>
    <message>
        <source>Wintergreen</source>
        <translation>Gaulthérie</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Myrrh</source>
        <translation>Myrrhe</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Clou de girofle</translation>
    </message>
    <message>
        <source>Clary Sage</source>
        <translation>Sauge sclarée</translation>
    </message>
    <message>
        <source>Frankincense</source>
        <translation>Encens</translation>
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
        <translation>Ylang-ylang</translation>
    </message>
    <message>
        <source>Nutmeg</source>
        <translation>Muscade</translation>
    </message>
    <message>
        <source>Spearmint</source>
        <translation>Menthe verte</translation>
    </message>
    <message>
        <source>Camomile</source>
        <translation>Camomille</translation>
    </message>
    <message>
        <source>Cinnamon</source>
        <translation>Cannelle</translation>
    </message>
    <message>
        <source>Fir Needle</source>
        <translation>Sapin</translation>
    </message>
    <message>
        <source>Tangerine</source>
        <translation>Tangerine</translation>
    </message>
</context>
<context>
    <name>FlowerRemedy</name>
    <message>
        <source>Centaury</source>
        <translation>Centaury</translation>
    </message>
    <message>
        <source>Cerato</source>
        <translation>Cerato</translation>
    </message>
    <message>
        <source>Chicory</source>
        <translation>Chicory</translation>
    </message>
    <message>
        <source>Rock Water</source>
        <translation>Rock Water</translation>
    </message>
    <message>
        <source>Honeysuckle</source>
        <translation>Honeysuckle</translation>
    </message>
    <message>
        <source>Heather</source>
        <translation>Heather</translation>
    </message>
    <message>
        <source>Water Violet</source>
        <translation>Water Violet</translation>
    </message>
    <message>
        <source>Hornbeam</source>
        <translation>Hornbeam</translation>
    </message>
    <message>
        <source>Clematis</source>
        <translation>Clematis</translation>
    </message>
    <message>
        <source>Beech</source>
        <translation>Beech</translation>
    </message>
    <message>
        <source>Holly</source>
        <translation>Holly</translation>
    </message>
    <message>
        <source>Mimulus</source>
        <translation>Mimulus</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Mustard</translation>
    </message>
    <message>
        <source>Wild Oat</source>
        <translation>Wild Oat</translation>
    </message>
    <message>
        <source>White Chestnut</source>
        <translation>White Chestnut</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Impatiens</source>
        <translation>Impatiens</translation>
    </message>
    <message>
        <source>Crab Apple</source>
        <translation>Crab Apple</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>Agrimony</translation>
    </message>
    <message>
        <source>Cherry Plum</source>
        <translation>Cherry Plum</translation>
    </message>
    <message>
        <source>Rock Rose</source>
        <translation>Rock Rose</translation>
    </message>
    <message>
        <source>Star of Bethlehem</source>
        <translation>Star of Bethlehem</translation>
    </message>
    <message>
        <source>Gorse</source>
        <translation>Gorse</translation>
    </message>
    <message>
        <source>Sweet Chestnut</source>
        <translation>Sweet Chestnut</translation>
    </message>
    <message>
        <source>Red Chestnut, Aspen</source>
        <translation>Red Chestnut, Aspen</translation>
    </message>
    <message>
        <source>Gentian, Larch</source>
        <translation>Gentian, Larch</translation>
    </message>
    <message>
        <source>Chestnut Bud, Scheranthus</source>
        <translation>Chestnut Bud, Scleranthus</translation>
    </message>
    <message>
        <source>Walnut, Vervain</source>
        <translation>Walnut, Vervain</translation>
    </message>
    <message>
        <source>Wild Rose, Willow</source>
        <translation>Wild Rose, Willow</translation>
    </message>
    <message>
        <source>Oak, Elm</source>
        <translation>Oak, Elm</translation>
    </message>
    <message>
        <source>Pine</source>
        <translation>Pine</translation>
    </message>
    <message>
        <source>Vine</source>
        <translation>Vine</translation>
    </message>
</context>
<context>
    <name>Herb</name>
    <message>
        <source>Skullcap</source>
        <translation>Scutellaire</translation>
    </message>
    <message>
        <source>Fenugreek</source>
        <translation>Fenugrec</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Yarrow</source>
        <translation>Achillée</translation>
    </message>
    <message>
        <source>Barberry</source>
        <translation>Épine-vinette</translation>
    </message>
    <message>
        <source>Plantain</source>
        <translation>Plantain</translation>
    </message>
    <message>
        <source>Ephedra</source>
        <translation>Éphédra</translation>
    </message>
    <message>
        <source>Coriander</source>
        <translation>Coriandre</translation>
    </message>
    <message>
        <source>Juniper</source>
        <translation>Genévrier</translation>
    </message>
    <message>
        <source>Safflower</source>
        <translation>Carthame</translation>
    </message>
    <message>
        <source>Chervil</source>
        <translation>Cerfeuil</translation>
    </message>
    <message>
        <source>Saw Palmetto</source>
        <translation>Palmier de Floride</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Chardon</translation>
    </message>
    <message>
        <source>Damiana</source>
        <translation>Damiana</translation>
    </message>
    <message>
        <source>Centaury</source>
        <translation>Petite centaurée</translation>
    </message>
    <message>
        <source>Feverfew</source>
        <translation>Grande camomille</translation>
    </message>
    <message>
        <source>Chamomile</source>
        <translation>Camomille</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Racine</translation>
    </message>
    <message>
        <source>Cascara Sagrada</source>
        <translation>Cascara sagrada</translation>
    </message>
    <message>
        <source>Hops</source>
        <translation>Houblon</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Pissenlit</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Clou de girofle</translation>
    </message>
    <message>
        <source>Lemon Balm</source>
        <translation>Mélisse</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>Aigremoine</translation>
    </message>
    <message>
        <source>Pleurisy root</source>
        <translation>Asclépiade tubéreuse</translation>
    </message>
    <message>
        <source>St. Johnswort</source>
        <translation>Millepertuis</translation>
    </message>
    <message>
        <source>Mugwort</source>
        <translation>Armoise</translation>
    </message>
    <message>
        <source>Black Walnut</source>
        <translation>Noyer noir</translation>
    </message>
    <message>
        <source>Echinacea</source>
        <translation>Échinacée</translation>
    </message>
    <message>
        <source>Cleavers</source>
        <translation>Gaillet gratteron</translation>
    </message>
    <message>
        <source>Angelica</source>
        <translation>Angélique</translation>
    </message>
    <message>
        <source>Mullein</source>
        <translation>Molène</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>NA</source>
        <translation>Sans objet</translation>
    </message>
    <message>
        <source>This is the time to analyze your situation with a clear mind. Look at the facts, decide what you truly want, and then act on your own judgement without waiting.</source>
        <translation>C&apos;est le moment d&apos;analyser votre situation avec lucidité. Examinez les faits, décidez de ce que vous voulez vraiment, puis agissez selon votre propre jugement, sans attendre.</translation>
    </message>
    <message>
        <source>You will achieve something in the near future that makes you proud. Keep your courage, follow the path you have chosen and do not let others lead you away from it.</source>
        <translation>Vous accomplirez bientôt quelque chose qui fera votre fierté. Gardez courage, suivez la voie que vous avez choisie et ne laissez personne vous en détourner.</translation>
    </message>
    <message>
        <source>You may not be sure of the road ahead, but a new beginning is waiting. Take one small, bold step today and you will find your confidence growing with every stride.</source>
        <translation>Le chemin à venir vous semble peut-être incertain, mais un nouveau départ vous attend. Faites aujourd&apos;hui un petit pas audacieux, et vous sentirez votre confiance grandir à chaque foulée.</translation>
    </message>
    <message>
        <source>This is the time to enter into partnerships and agreements. Choose your companions with care, be tactful in what you say, and let trust grow slowly between you.</source>
        <translation>C&apos;est le moment de conclure des partenariats et des accords. Choisissez vos compagnons avec soin, faites preuve de tact dans vos paroles et laissez la confiance s&apos;installer peu à peu entre vous.</translation>
    </message>
    <message>
        <source>Learn to focus on your spiritual side and trust your intuition; quiet moments will show you the way.</source>
        <translation>Apprenez à vous concentrer sur votre côté spirituel et fiez-vous à votre intuition&#x202f;; les moments de calme vous montreront la voie.</translation>
    </message>
    <message>
        <source>This is a good time to build bridges with the people around you. Mend old quarrels, offer a helping hand and value the peace that comes from working together.</source>
        <translation>C&apos;est le bon moment pour jeter des ponts vers votre entourage. Réglez les vieilles querelles, tendez la main et appréciez la paix qui naît du travail en commun.</translation>
    </message>
    <message>
        <source>You can join with friends or family in something creative and joyful. Share your ideas openly, laugh often, and let your natural optimism lift the mood of others.</source>
        <translation>Vous pouvez vous associer à des amis ou à votre famille dans un projet créatif et joyeux. Partagez vos idées ouvertement, riez souvent et laissez votre optimisme naturel égayer les autres.</translation>
    </message>
    <message>
        <source>Meditation can bring you a lot of clarity at this time. Set aside a few quiet minutes each day to still your mind, and your words will become wiser and kinder.</source>
        <translation>La méditation peut vous apporter beaucoup de clarté en ce moment. Réservez chaque jour quelques minutes de calme pour apaiser votre esprit, et vos paroles deviendront plus sages et plus bienveillantes.</translation>
    </message>
    <message>
        <source>Think of how a change in the way you express yourself could open new doors. Try a fresh approach, speak from the heart, and be ready to be noticed for your talent.</source>
        <translation>Songez qu&apos;une autre façon de vous exprimer pourrait vous ouvrir de nouvelles portes. Essayez une approche nouvelle, parlez avec le cœur et attendez-vous à ce que votre talent soit remarqué.</translation>
    </message>
    <message>
        <source>You need to express yourself better. Say plainly what you need from others at home and at work, and put your plans on paper so that they become firm and real.</source>
        <translation>Vous devez mieux vous exprimer. Dites clairement ce que vous attendez des autres, chez vous comme au travail, et couchez vos projets sur papier pour qu&apos;ils deviennent solides et concrets.</translation>
    </message>
    <message>
        <source>You have achieved your goals in one part of your life; now bring the same discipline to the rest. Order your days, keep your promises and the foundations will hold.</source>
        <translation>Vous avez atteint vos objectifs dans un domaine de votre vie&#x202f;; appliquez maintenant la même discipline au reste. Organisez vos journées, tenez vos promesses, et les fondations tiendront.</translation>
    </message>
    <message>
        <source>Do not be secretive and keep your plans hidden. Be open about the changes you want to make.</source>
        <translation>Ne faites pas de mystère et ne cachez pas vos projets. Parlez ouvertement des changements que vous souhaitez apporter.</translation>
    </message>
    <message>
        <source>You are keeping too much to yourself. Share your thoughts and let a friend help you decide.</source>
        <translation>Vous gardez trop de choses pour vous. Partagez vos pensées et laissez un ami vous aider à décider.</translation>
    </message>
    <message>
        <source>You are spending too much time on restless pursuits. Slow down and choose what really matters.</source>
        <translation>Vous perdez trop de temps à vous disperser. Ralentissez et choisissez ce qui compte vraiment.</translation>
    </message>
    <message>
        <source>You have given a lot of love and care to others. Now allow them to give something back to you, and accept their kindness without feeling that you owe them anything.</source>
        <translation>Vous avez donné beaucoup d&apos;amour et d&apos;attention aux autres. Laissez-les maintenant vous rendre la pareille, et acceptez leur gentillesse sans avoir le sentiment de leur devoir quoi que ce soit.</translation>
    </message>
    <message>
        <source>Don&apos;t be in a hurry to take on every responsibility that is offered. Help where you are truly needed, and keep enough time and energy for your own home and heart.</source>
        <translation>Ne vous précipitez pas pour assumer toutes les responsabilités qu&apos;on vous propose. Aidez là où l&apos;on a vraiment besoin de vous, et gardez assez de temps et d&apos;énergie pour votre foyer et votre cœur.</translation>
    </message>
    <message>
        <source>Use the skills and knowledge you have gained to serve your community. Teaching, healing or simply listening well will bring harmony to you and to those you touch.</source>
        <translation>Mettez les compétences et les connaissances acquises au service de votre communauté. Enseigner, soigner ou simplement savoir écouter vous apportera l&apos;harmonie, à vous et à ceux que vous touchez.</translation>
    </message>
    <message>
        <source>You will do good to work alone for a while. Study a subject that fascinates you, keep a journal of your thoughts, and trust the wisdom that grows out of solitude.</source>
        <translation>Il vous sera bénéfique de travailler à l&apos;écart pendant un temps. Étudiez un sujet qui vous passionne, tenez un journal de vos pensées et faites confiance à la sagesse qui naît de la solitude.</translation>
    </message>
    <message>
        <source>Spirituality and belief go hand in hand for you now. Set time aside for prayer or meditation, and read the works that feed your soul. Do not be troubled if others fail to understand; your inner search will lead you to a deeper truth.</source>
        <translation>Spiritualité et foi vont de pair pour vous en ce moment. Prenez le temps de prier ou de méditer, et lisez les ouvrages qui nourrissent votre âme. Ne vous troublez pas si les autres ne comprennent pas&#x202f;: votre quête intérieure vous mènera à une vérité plus profonde.</translation>
    </message>
    <message>
        <source>You will get great joy by using your success to help those who have less. Manage your money with care and be fair in every dealing. Power used with kindness will grow, while power used selfishly will slip through your fingers.</source>
        <translation>Vous éprouverez une grande joie à mettre votre réussite au service de ceux qui ont moins. Gérez votre argent avec soin et soyez équitable en toute affaire. Le pouvoir exercé avec bonté grandira, tandis que le pouvoir exercé par égoïsme vous glissera entre les doigts.</translation>
    </message>
    <message>
        <source>Do you expect something in return for every favour? Give freely and the reward will find you.</source>
        <translation>Attendez-vous quelque chose en retour de chaque service rendu&#x202f;? Donnez sans compter et la récompense viendra à vous.</translation>
    </message>
    <message>
        <source>Finish projects that you have left undone before you begin anything new. Clear away what no longer serves you, forgive old hurts and say your goodbyes with grace. An ending now makes room for a better chapter that is about to begin.</source>
        <translation>Terminez les projets en suspens avant de commencer quoi que ce soit de nouveau. Écartez ce qui ne vous sert plus, pardonnez les vieilles blessures et dites adieu avec grâce. Ce qui s&apos;achève maintenant laisse place à un chapitre meilleur, sur le point de s&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Things may seem completed but in truth one last task remains. Look back over your recent work, tie up the loose ends, and only then rest and celebrate what you did.</source>
        <translation>Tout peut sembler achevé, mais en vérité une dernière tâche demeure. Revoyez votre travail récent, réglez les derniers détails, et seulement alors reposez-vous et célébrez ce que vous avez accompli.</translation>
    </message>
    <message>
        <source>Concentrate and pray to God. All the guidance you need will come through faith and inner stillness.</source>
        <translation>Concentrez-vous et priez Dieu. Toute l&apos;aide dont vous avez besoin vous viendra par la foi et le silence intérieur.</translation>
    </message>
    <message>
        <source>Learn to speak for yourself and your beliefs. Your voice can inspire others; do not hide it.</source>
        <translation>Apprenez à prendre la parole pour vous-même et pour vos convictions. Votre voix peut inspirer les autres&#x202f;: ne la cachez pas.</translation>
    </message>
    <message>
        <source>Combine your daily routine with your spiritual practice, and every ordinary task becomes a prayer.</source>
        <translation>Associez votre routine quotidienne à votre pratique spirituelle, et chaque tâche ordinaire deviendra une prière.</translation>
    </message>
    <message>
        <source>You will need to recognize how strongly your moods affect others. Guard your nerves, rest when you feel overwhelmed, and let your calm become a light for those around you.</source>
        <translation>Vous devrez prendre conscience de l&apos;influence de vos humeurs sur les autres. Ménagez vos nerfs, reposez-vous quand tout devient trop lourd et laissez votre calme devenir une lumière pour votre entourage.</translation>
    </message>
    <message>
        <source>Learn to let go of the fears that hold back your vision. Your intuition is sound; act on it with courage and you will see your ideals take shape in the world.</source>
        <translation>Apprenez à vous libérer des peurs qui entravent votre vision. Votre intuition est juste&#x202f;; suivez-la avec courage et vous verrez vos idéaux prendre forme dans le monde.</translation>
    </message>
    <message>
        <source>Your spiritual interests will bring you into contact with people who share your ideals. Welcome them, learn from them, and together you can achieve something of lasting worth.</source>
        <translation>Vos intérêts spirituels vous feront rencontrer des personnes qui partagent vos idéaux. Accueillez-les, apprenez d&apos;elles, et ensemble vous pourrez accomplir une œuvre d&apos;une valeur durable.</translation>
    </message>
    <message>
        <source>You have good leadership qualities. Use them to build something that will benefit many people, not only yourself. Think on a grand scale, but plan every detail with patience. Others will follow you if you stay honest, practical and true to your vision.</source>
        <translation>Vous avez de réelles qualités de leader. Servez-vous-en pour bâtir une œuvre utile à beaucoup, pas seulement à vous. Voyez grand, mais planifiez chaque détail avec patience. On vous suivra si vous restez honnête, pragmatique et fidèle à votre vision.</translation>
    </message>
    <message>
        <source>Spread love and gain lots more in return. Your kindness now can change many lives for the better.</source>
        <translation>Répandez l&apos;amour et vous en recevrez bien davantage. Votre bonté peut aujourd&apos;hui améliorer de nombreuses vies.</translation>
    </message>
</context>
<context>
    <name>NumberDescription</name>
    <message>
        <source>Do not waste your energy. Use this quiet time to rest and gather your strength before you act.</source>
        <translation>Ne gaspillez pas votre énergie. Profitez de cette période calme pour vous reposer et rassembler vos forces avant d&apos;agir.</translation>
    </message>
    <message>
        <source>Use your energies for achieving your own goals. Take the first step alone and trust your will.</source>
        <translation>Consacrez votre énergie à atteindre vos propres objectifs. Faites le premier pas par vous-même et fiez-vous à votre volonté.</translation>
    </message>
    <message>
        <source>This is a good time to start working with others. Listen closely, be patient with those around you, and let gentle cooperation carry you where force cannot.</source>
        <translation>C&apos;est le bon moment pour commencer à travailler avec d&apos;autres. Écoutez attentivement, faites preuve de patience envers votre entourage et laissez une douce coopération vous mener là où la force échoue.</translation>
    </message>
    <message>
        <source>The keyword for this number is expression. Speak, write or create, and let your joy be seen.</source>
        <translation>Le mot clé de ce nombre est l&apos;expression. Parlez, écrivez ou créez, et laissez paraître votre joie.</translation>
    </message>
    <message>
        <source>You need to balance the various parts of your life before you build on them. Put your work, your home and your health in order, one patient step at a time. A steady routine and honest effort will give you the firm ground you need, so do not look for shortcuts now.</source>
        <translation>Vous devez équilibrer les différents aspects de votre vie avant de bâtir sur eux. Mettez de l&apos;ordre dans votre travail, votre foyer et votre santé, patiemment, pas à pas. Une routine régulière et des efforts sincères vous donneront les bases solides dont vous avez besoin&#x202f;: ne cherchez donc pas de raccourcis maintenant.</translation>
    </message>
    <message>
        <source>You will have a lot to deal with as changes arrive quickly. Stay flexible, welcome new experiences and keep your freedom without losing sight of your duties.</source>
        <translation>Vous aurez fort à faire, car les changements arrivent vite. Restez souple, accueillez les expériences nouvelles et préservez votre liberté sans perdre de vue vos devoirs.</translation>
    </message>
    <message>
        <source>This is the time to expand your love and care to your family and community. Others will turn to you for support and advice, so give it warmly but do not carry every burden yourself. Harmony at home will bring you the peace that lets the rest of your life grow.</source>
        <translation>C&apos;est le moment d&apos;étendre votre amour et votre attention à votre famille et à votre communauté. On se tournera vers vous pour trouver soutien et conseils&#x202f;: donnez-les chaleureusement, sans porter vous-même tous les fardeaux. L&apos;harmonie au foyer vous apportera la paix qui permettra au reste de votre vie de s&apos;épanouir.</translation>
    </message>
    <message>
        <source>This is a very spiritual number. Step back from the noise of daily life and spend time alone in study, thought and prayer. The answers you seek lie within you, and they will come to you through quiet reflection rather than through the opinions of other people.</source>
        <translation>C&apos;est un nombre très spirituel. Éloignez-vous du tumulte du quotidien et consacrez du temps, dans la solitude, à l&apos;étude, à la réflexion et à la prière. Les réponses que vous cherchez sont en vous, et elles vous viendront par une réflexion paisible plutôt que par l&apos;avis des autres.</translation>
    </message>
    <message>
        <source>Give till you can give no more, and you will find that abundance returns to you. This is a number of power and material reward, so use your authority wisely and fairly. Money and success will follow honest work, but remember that what you share matters more than what you keep.</source>
        <translation>Donnez jusqu&apos;à ne plus pouvoir donner, et vous verrez l&apos;abondance vous revenir. C&apos;est un nombre de pouvoir et de récompense matérielle&#x202f;: exercez donc votre autorité avec sagesse et équité. L&apos;argent et le succès suivront un travail honnête, mais souvenez-vous que ce que vous partagez compte plus que ce que vous gardez.</translation>
    </message>
    <message>
        <source>Stop making excuses and complete the tasks you have begun. Let go of the past and forgive freely.</source>
        <translation>Cessez de chercher des excuses et terminez les tâches que vous avez commencées. Laissez le passé derrière vous et pardonnez sans réserve.</translation>
    </message>
    <message>
        <source>This is a spiritual number. You are being called to inspire others through your intuition and your faith. Trust the flashes of insight that come to you, even when others doubt them. Your sensitivity is a gift, so protect your calm and share your vision with kindness.</source>
        <translation>C&apos;est un nombre spirituel. Votre vocation est d&apos;inspirer les autres par votre intuition et votre foi. Fiez-vous aux inspirations soudaines qui vous viennent, même quand les autres en doutent. Votre sensibilité est un don&#x202f;: préservez votre calme et partagez votre vision avec bienveillance.</translation>
    </message>
    <message>
        <source>You will be spiritually aware and able to turn great dreams into real and lasting works. Plan with care, think of the many, and build something that will serve others.</source>
        <translation>Votre éveil spirituel vous permettra de transformer de grands rêves en œuvres concrètes et durables. Planifiez avec soin, pensez au plus grand nombre et bâtissez quelque chose qui servira aux autres.</translation>
    </message>
</context>
<context>
    <name>Stone</name>
    <message>
        <source>Agate</source>
        <translation>Agate</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aigue-marine</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Émeraude</translation>
    </message>
    <message>
        <source>Danburite</source>
        <translation>Danburite</translation>
    </message>
    <message>
        <source>Kyanite</source>
        <translation>Cyanite</translation>
    </message>
    <message>
        <source>Bloodstone, Jasper, Onyx</source>
        <translation>Héliotrope, jaspe, onyx</translation>
    </message>
    <message>
        <source>Malachite, Diamond</source>
        <translation>Malachite, diamant</translation>
    </message>
    <message>
        <source>Howlite, Tiger&apos;s Eye</source>
        <translation>Howlite, œil-de-tigre</translation>
    </message>
    <message>
        <source>Ruby, Sapphire</source>
        <translation>Rubis, saphir</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Lapis-lazuli</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topaze</translation>
    </message>
    <message>
        <source>Garnet, Peridot</source>
        <translation>Grenat, péridot</translation>
    </message>
    <message>
        <source>Lepidolite</source>
        <translation>Lépidolite</translation>
    </message>
    <message>
        <source>Moonstone, Sunstone, Amazonite</source>
        <translation>Pierre de lune, pierre de soleil, amazonite</translation>
    </message>
    <message>
        <source>Turquoise, Azurite</source>
        <translation>Turquoise, azurite</translation>
    </message>
    <message>
        <source>Calcite, Selenite</source>
        <translation>Calcite, sélénite</translation>
    </message>
    <message>
        <source>Apache  Tear, Snowflake</source>
        <translation>Larme d&apos;Apache, obsidienne neige</translation>
    </message>
    <message>
        <source>Fluorite</source>
        <translation>Fluorite</translation>
    </message>
    <message>
        <source>Jade, Opal</source>
        <translation>Jade, opale</translation>
    </message>
    <message>
        <source>Hematite, Pyrite</source>
        <translation>Hématite, pyrite</translation>
    </message>
    <message>
        <source>Tourmalinated Quartz</source>
        <translation>Quartz tourmaliné</translation>
    </message>
    <message>
        <source>Kunzite</source>
        <translation>Kunzite</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>Rhodonite</translation>
    </message>
    <message>
        <source>Rhodochrosite</source>
        <translation>Rhodochrosite</translation>
    </message>
    <message>
        <source>Sugilite</source>
        <translation>Sugilite</translation>
    </message>
    <message>
        <source>Rose, Lavender Quartz</source>
        <translation>Quartz rose, quartz lavande</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Améthyste</translation>
    </message>
    <message>
        <source>Citrine</source>
        <translation>Citrine</translation>
    </message>
    <message>
        <source>Black Quartz</source>
        <translation>Quartz noir</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Aventurine</translation>
    </message>
    <message>
        <source>Blue Quartz, Celestite</source>
        <translation>Quartz bleu, célestine</translation>
    </message>
    <message>
        <source>Tourmaline</source>
        <translation>Tourmaline</translation>
    </message>
    <message>
        <source>Moldavite, Phenacite, Dioptase</source>
        <translation>Moldavite, phénacite, dioptase</translation>
    </message>
</context>
<context>
    <name>Totem</name>
    <message>
        <source>Turtle, Dolphin</source>
        <translation>Tortue, dauphin</translation>
    </message>
    <message>
        <source>Eagle, Otter</source>
        <translation>Aigle, loutre</translation>
    </message>
    <message>
        <source>Wolf, Dog</source>
        <translation>Loup, chien</translation>
    </message>
    <message>
        <source>Deer, Ant</source>
        <translation>Cerf, fourmi</translation>
    </message>
    <message>
        <source>Horse, Swan</source>
        <translation>Cheval, cygne</translation>
    </message>
    <message>
        <source>Squirrel, Hummingbird</source>
        <translation>Écureuil, colibri</translation>
    </message>
    <message>
        <source>Beaver, Elk</source>
        <translation>Castor, wapiti</translation>
    </message>
    <message>
        <source>Buffalo, Raven</source>
        <translation>Bison, corbeau</translation>
    </message>
    <message>
        <source>Hawk, Spider</source>
        <translation>Faucon, araignée</translation>
    </message>
    <message>
        <source>Butterfly, Antelope</source>
        <translation>Papillon, antilope</translation>
    </message>
    <message>
        <source>Bear, Bat</source>
        <translation>Ours, chauve-souris</translation>
    </message>
    <message>
        <source>Mountain Lion, Turkey</source>
        <translation>Puma, dindon</translation>
    </message>
</context>
<context>
    <name>dicemere::AboutWindow</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez pour visiter %1</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>En savoir plus</translation>
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
        <translation>à l&apos;intérieur du cercle</translation>
    </message>
    <message>
        <source>on the border of the circle</source>
        <translation>sur le bord du cercle</translation>
    </message>
    <message>
        <source>outside the circle</source>
        <translation>à l&apos;extérieur du cercle</translation>
    </message>
    <message>
        <source>Die %1: %2, %3</source>
        <translation>Dé %1&#x202f;: %2, %3</translation>
    </message>
</context>
<context>
    <name>dicemere::DiceCast</name>
    <message numerus="yes">
        <source>You have thrown %1 out of %n times</source>
        <translation>
            <numerusform>Vous avez lancé %1 dé sur %n</numerusform>
            <numerusform>Vous avez lancé %1 des %n dés</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Get My Enochian Numerology Result</source>
        <translation>&amp;Voir mon résultat de numérologie énochienne</translation>
    </message>
    <message>
        <source>Dice %1 is in the border of the circle. Please recast it.</source>
        <translation>Le dé %1 est sur le bord du cercle. Veuillez le relancer.</translation>
    </message>
</context>
<context>
    <name>dicemere::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visiter %1 maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander à un ami</translation>
    </message>
    <message>
        <source>More Programs From Example</source>
        <translation>Autres logiciels d&apos;Example</translation>
    </message>
    <message>
        <source>Enjoyed Dicemere? The makers of www.example.com publish a whole range of small, friendly programs for astrology, tarot, numerology and everyday divination, and every one of them is free to try. Follow the link below to browse the Example Apps catalogue and find your next favourite.</source>
        <translation>Vous avez aimé Dicemere&#x202f;? Les créateurs de www.example.com publient toute une gamme de petits logiciels conviviaux d&apos;astrologie, de tarot, de numérologie et de divination au quotidien, et chacun peut être essayé gratuitement. Suivez le lien ci-dessous pour parcourir le catalogue Example Apps et trouver votre prochain favori.</translation>
    </message>
    <message>
        <source>Click Here To Visit Example Apps</source>
        <translation>Découvrez Example Apps</translation>
    </message>
    <message>
        <source>Visit www.example.com often. Every visit to our mystic discussion forum helps us keep free programs like Dicemere alive and up to date.</source>
        <translation>Visitez souvent www.example.com. Chaque visite sur notre forum de discussion ésotérique nous aide à faire vivre et à tenir à jour des logiciels gratuits comme Dicemere.</translation>
    </message>
    <message>
        <source>Please drop in at the www.example.com discussion forum regularly. Your visits are what keep programs like this one maintained and free.</source>
        <translation>Passez régulièrement sur le forum de discussion de www.example.com. Ce sont vos visites qui permettent à des logiciels comme celui-ci de rester entretenus et gratuits.</translation>
    </message>
    <message>
        <source>Like Dicemere? Come and talk with other seekers at www.example.com every week: the forum&apos;s visitors are what pay for programs like this one.</source>
        <translation>Vous aimez Dicemere&#x202f;? Venez discuter chaque semaine avec d&apos;autres esprits en quête sur www.example.com&#x202f;: ce sont les visiteurs du forum qui financent des logiciels comme celui-ci.</translation>
    </message>
    <message>
        <source>Make www.example.com a regular stop. Each visit to our forum supports the upkeep of Dicemere and our other free programs.</source>
        <translation>Faites de www.example.com un rendez-vous régulier. Chaque visite sur notre forum contribue à l&apos;entretien de Dicemere et de nos autres logiciels gratuits.</translation>
    </message>
</context>
<context>
    <name>dicemere::FrontPage</name>
    <message>
        <source>Focus yourself on the problem on hand cast the dice.</source>
        <translation>Concentrez-vous sur votre problème et lancez les dés.</translation>
    </message>
    <message>
        <source>Choose number of dice to throw</source>
        <translation>Nombre de dés à lancer</translation>
    </message>
    <message>
        <source>&amp;Concentrate on your Problem And Cast the Dice</source>
        <translation>&amp;Concentrez-vous sur votre problème et lancez les dés</translation>
    </message>
</context>
<context>
    <name>dicemere::IconPicture</name>
    <message>
        <source>Dicemere icon</source>
        <translation>Icône de Dicemere</translation>
    </message>
</context>
<context>
    <name>dicemere::MainWindow</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>Le forum ésotérique le plus populaire du Web. Cliquez pour visiter %1 maintenant.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Mettez ce logiciel aux couleurs de votre site. Fidélisez vos visiteurs et augmentez votre trafic. Placez ici le nom &amp;&amp; le lien de votre site. Consultez «&#x202f;Aide&#x202f;» pour plus de détails. Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>%1 Click here for more details.</source>
        <translation>%1 Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l&apos;argent en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>dicemere::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir des adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d&apos;espace</translation>
    </message>
</context>
<context>
    <name>dicemere::ReminderMessages</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.
Voulez-vous rechercher une mise à jour&#x202f;?</translation>
    </message>
</context>
<context>
    <name>dicemere::ResultPage</name>
    <message>
        <source>Enochian Number</source>
        <translation>Nombre énochien</translation>
    </message>
    <message>
        <source>Enochian Number Description</source>
        <translation>Description du nombre énochien</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Pierre</translation>
    </message>
    <message>
        <source>Totem</source>
        <translation>Totem</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Plante</translation>
    </message>
    <message>
        <source>Essential Oil</source>
        <translation>Huile essentielle</translation>
    </message>
    <message>
        <source>Flower Remedy</source>
        <translation>Élixir floral</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Copy Reading</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>Dice %1: the combination %2 gives %3</source>
        <translation>Dés obtenus&#x202f;: %1&#x202f;; la combinaison %2 donne %3</translation>
    </message>
    <message>
        <source>Dice %1: total %2</source>
        <translation>Dés obtenus&#x202f;: %1&#x202f;; total %2</translation>
    </message>
</context>
<context>
    <name>dicemere::SharedTexts</name>
    <message>
        <source>Dicemere is a method of numerology divination that relates dice and numbers to help you find solutions to your problems.</source>
        <translation>Dicemere est une méthode de divination numérologique qui relie les dés et les nombres pour vous aider à trouver des solutions à vos problèmes.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Travaillez de chez vous&#x202f;: lancez votre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site.</translation>
    </message>
</context>
<context>
    <name>dicemere::StartupMessages</name>
    <message>
        <source>Application is already running</source>
        <translation>Le logiciel est déjà en cours d&apos;exécution</translation>
    </message>
</context>
</TS>
