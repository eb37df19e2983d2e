<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>EssentialOil</name>
    <message>
        <source>Tea Tree</source>
        <translation>Tea tree</translation>
    </message>
    <message>
        <source>Cedarwood</source>
        <translation>Legno di cedro</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancio</translation>
    </message>
    <message>
        <source>Sandalwood</source>
        <translation>Sandalo</translation>
    </message>
    <message>
        <source>Citronella</source>
        <translation>Citronella</translation>
    </message>
    <message>
        <source>Geranium</source>
        <translation>Geranio</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Bergamot</source>
        <translation>Bergamotto</translation>
    </message>
    <message>
        <source>Thyme</source>
        <translation>Timo</translation>
    </message>
    <message>
        <source>Eucalyptus</source>
        <translation>Eucalipto</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Zenzero</translation>
    </message>
    <message>
        <source>Rosemary</source>
        <translation>Rosmarino</translation>
    </message>
    <message>
        <source>Anise</source>
        <translation>Anice</translation>
    </message>
    <message>
        <source>Peppermint</source>
        <translation>Menta piperita</translation>
    </message>
    <message>
        <source>Neroli</source>
        <translation>Neroli</translation>
    </message>
    <message>
        <source>Wintergreen</source>
        <translation>Gaultheria</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limone</translation>
    </message>
    <message>
        <source>Myrrh</source>
        <translation>Mirra</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Chiodi di garofano</translation>
    </message>
    <message>
        <source>Clary Sage</source>
        <translation>Salvia sclarea</translation>
    </message>
    <message>
        <source>Frankincense</source>
        <translation>Incenso</translation>
    </message>
    <message>
        <source>Patchouli</source>
        <translation>Patchouli</translation>
    </message>
    <message>
        <source>Jasmine</source>
        <translation>Gelsomino</translation>
    </message>
    <message>
        <source>Ylang Ylang</source>
        <translation>Ylang ylang</translation>
    </message>
    <message>
        <source>Nutmeg</source>
        <translation>Noce moscata</translation>
    </message>
    <message>
        <source>Spearmint</source>
        <translation>Menta verde</translation>
    </message>
    <message>
        <source>Camomile</source>
        <translation>Camomilla</translation>
    </message>
    <message>
        <source>Cinnamon</source>
        <translation>Cannella</translation>
    </message>
    <message>
        <source>Fir Needle</source>
        <translation>Aghi di abete</translation>
    </message>
    <message>
        <source>Tangerine</source>
        <translation>Mandarino</translation>
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
        <translation>Scutellaria</translation>
    </message>
    <message>
        <source>Fenugreek</source>
        <translation>Fieno greco</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Yarrow</source>
        <translation>Achillea</translation>
    </message>
    <message>
        <source>Barberry</source>
        <translation>Crespino</translation>
    </message>
    <message>
        <source>Plantain</source>
        <translation>Piantaggine</translation>
    </message>
    <message>
        <source>Ephedra</source>
        <translation>Efedra</translation>
    </message>
    <message>
        <source>Coriander</source>
        <translation>Coriandolo</translation>
    </message>
    <message>
        <source>Juniper</source>
        <translation>Ginepro</translation>
    </message>
    <message>
        <source>Safflower</source>
        <translation>Cartamo</translation>
    </message>
    <message>
        <source>Chervil</source>
        <translation>Cerfoglio</translation>
    </message>
    <message>
        <source>Saw Palmetto</source>
        <translation>Serenoa</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Cardo</translation>
    </message>
    <message>
        <source>Damiana</source>
        <translation>Damiana</translation>
    </message>
    <message>
        <source>Centaury</source>
        <translation>Centaurea minore</translation>
    </message>
    <message>
        <source>Feverfew</source>
        <translation>Partenio</translation>
    </message>
    <message>
        <source>Chamomile</source>
        <translation>Camomilla</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Radice</translation>
    </message>
    <message>
        <source>Cascara Sagrada</source>
        <translation>Cascara sagrada</translation>
    </message>
    <message>
        <source>Hops</source>
        <translation>Luppolo</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Tarassaco</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Chiodi di garofano</translation>
    </message>
    <message>
        <source>Lemon Balm</source>
        <translation>Melissa</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>Agrimonia</translation>
    </message>
    <message>
        <source>Pleurisy root</source>
        <translation>Asclepiade tuberosa</translation>
    </message>
    <message>
        <source>St. Johnswort</source>
        <translation>Iperico</translation>
    </message>
    <message>
        <source>Mugwort</source>
        <translation>Artemisia</translation>
    </message>
    <message>
        <source>Black Walnut</source>
        <translation>Noce nero</translation>
    </message>
    <message>
        <source>Echinacea</source>
        <translation>Echinacea</translation>
    </message>
    <message>
        <source>Cleavers</source>
        <translation>Attaccamani</translation>
    </message>
    <message>
        <source>Angelica</source>
        <translation>Angelica</translation>
    </message>
    <message>
        <source>Mullein</source>
        <translation>Verbasco</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>NA</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>This is the time to analyze your situation with a clear mind. Look at the facts, decide what you truly want, and then act on your own judgement without waiting.</source>
        <translation>È il momento di analizzare la tua situazione a mente lucida. Guarda i fatti, decidi che cosa vuoi davvero e poi agisci secondo il tuo giudizio, senza aspettare.</translation>
    </message>
    <message>
        <source>You will achieve something in the near future that makes you proud. Keep your courage, follow the path you have chosen and do not let others lead you away from it.</source>
        <translation>Nel prossimo futuro realizzerai qualcosa che ti riempirà di orgoglio. Mantieni il coraggio, segui la strada che hai scelto e non lasciare che altri te ne allontanino.</translation>
    </message>
    <message>
        <source>You may not be sure of the road ahead, but a new beginning is waiting. Take one small, bold step today and you will find your confidence growing with every stride.</source>
        <translation>Forse la strada davanti a te non ti è chiara, ma ti aspetta un nuovo inizio. Fai oggi un passo piccolo ma audace e sentirai la tua fiducia crescere strada facendo.</translation>
    </message>
    <message>
        <source>This is the time to enter into partnerships and agreements. Choose your companions with care, be tactful in what you say, and let trust grow slowly between you.</source>
        <translation>È il momento di stringere collaborazioni e accordi. Scegli con cura i tuoi compagni, parla con tatto e lascia che la fiducia tra voi cresca lentamente.</translation>
    </message>
    <message>
        <source>Learn to focus on your spiritual side and trust your intuition; quiet moments will show you the way.</source>
        <translation>Impara a concentrarti sul tuo lato spirituale e fidati del tuo intuito; i momenti di quiete ti mostreranno la strada.</translation>
    </message>
    <message>
        <source>This is a good time to build bridges with the people around you. Mend old quarrels, offer a helping hand and value the peace that comes from working together.</source>
        <translation>È un buon momento per gettare ponti verso le persone che ti circondano. Ricomponi i vecchi litigi, offri una mano e apprezza la pace che nasce dal lavorare insieme.</translation>
    </message>
    <message>
        <source>You can join with friends or family in something creative and joyful. Share your ideas openly, laugh often, and let your natural optimism lift the mood of others.</source>
        <translation>Puoi unirti ad amici o familiari in qualcosa di creativo e gioioso. Condividi apertamente le tue idee, ridi spesso e lascia che il tuo ottimismo naturale sollevi il morale degli altri.</translation>
    </message>
    <message>
        <source>Meditation can bring you a lot of clarity at this time. Set aside a few quiet minutes each day to still your mind, and your words will become wiser and kinder.</source>
        <translation>In questo periodo la meditazione può darti molta chiarezza. Ritagliati ogni giorno qualche minuto di quiete per calmare la mente, e le tue parole diventeranno più sagge e gentili.</translation>
    </message>
    <message>
        <source>Think of how a change in the way you express yourself could open new doors. Try a fresh approach, speak from the heart, and be ready to be noticed for your talent.</source>
        <translation>Pensa a come un cambiamento nel tuo modo di esprimerti potrebbe aprirti nuove porte. Prova un approccio diverso, parla con il cuore e preparati a farti notare per il tuo talento.</translation>
    </message>
    <message>
        <source>You need to express yourself better. Say plainly what you need from others at home and at work, and put your plans on paper so that they become firm and real.</source>
        <translation>Devi esprimerti meglio. Di&apos; chiaramente che cosa ti serve dagli altri a casa e al lavoro, e metti per iscritto i tuoi progetti perché diventino solidi e concreti.</translation>
    </message>
    <message>
        <source>You have achieved your goals in one part of your life; now bring the same discipline to the rest. Order your days, keep your promises and the foundations will hold.</source>
        <translation>Hai raggiunto i tuoi obiettivi in un ambito della tua vita; ora porta la stessa disciplina nel resto. Dai ordine alle tue giornate, mantieni le promesse e le fondamenta reggeranno.</translation>
    </message>
    <message>
        <source>Do not be secretive and keep your plans hidden. Be open about the changes you want to make.</source>
        <translation>Non fare misteri e non tenere nascosti i tuoi progetti. Parla apertamente dei cambiamenti che vuoi fare.</translation>
    </message>
    <message>
        <source>You are keeping too much to yourself. Share your thoughts and let a friend help you decide.</source>
        <translation>Ti tieni troppe cose dentro. Condividi i tuoi pensieri e lascia che un amico ti aiuti a decidere.</translation>
    </message>
    <message>
        <source>You are spending too much time on restless pursuits. Slow down and choose what really matters.</source>
        <translation>Passi troppo tempo a inseguire mille attività senza sosta. Rallenta e scegli ciò che conta davvero.</translation>
    </message>
    <message>
        <source>You have given a lot of love and care to others. Now allow them to give something back to you, and accept their kindness without feeling that you owe them anything.</source>
        <translation>Hai dato molto amore e molte cure agli altri. Ora lascia che ti restituiscano qualcosa e accetta la loro gentilezza senza sentirti in debito.</translation>
    </message>
    <message>
        <source>Don&apos;t be in a hurry to take on every responsibility that is offered. Help where you are truly needed, and keep enough time and energy for your own home and heart.</source>
        <translation>Non avere fretta di assumerti ogni responsabilità che ti viene offerta. Aiuta dove c&apos;è davvero bisogno di te e conserva tempo ed energie sufficienti per la tua casa e il tuo cuore.</translation>
    </message>
    <message>
        <source>Use the skills and knowledge you have gained to serve your community. Teaching, healing or simply listening well will bring harmony to you and to those you touch.</source>
        <translation>Metti le capacità e le conoscenze che hai acquisito al servizio della tua comunità. Insegnare, curare o semplicemente saper ascoltare porterà armonia a te e a chi incontri.</translation>
    </message>
    <message>
        <source>You will do good to work alone for a while. Study a subject that fascinates you, keep a journal of your thoughts, and trust the wisdom that grows out of solitude.</source>
        <translation>Ti farà bene lavorare per conto tuo per un po&apos;. Studia un argomento che ti affascina, tieni un diario dei tuoi pensieri e fidati della saggezza che nasce dalla solitudine.</translation>
    </message>
    <message>
        <source>Spirituality and belief go hand in hand for you now. Set time aside for prayer or meditation, and read the works that feed your soul. Do not be troubled if others fail to understand; your inner search will lead you to a deeper truth.</source>
        <translation>Ora per te spiritualità e fede vanno di pari passo. Dedica del tempo alla preghiera o alla meditazione e leggi le opere che nutrono la tua anima. Non turbarti se gli altri non capiscono: la tua ricerca interiore ti condurrà a una verità più profonda.</translation>
    </message>
    <message>
        <source>You will get great joy by using your success to help those who have less. Manage your money with care and be fair in every dealing. Power used with kindness will grow, while power used selfishly will slip through your fingers.</source>
        <translation>Proverai una grande gioia usando il tuo successo per aiutare chi ha meno. Gestisci il denaro con cura e agisci con correttezza in ogni affare. Il potere usato con bontà crescerà, mentre quello usato con egoismo ti scivolerà tra le dita.</translation>
    </message>
    <message>
        <source>Do you expect something in return for every favour? Give freely and the reward will find you.</source>
        <translation>Ti aspetti qualcosa in cambio per ogni favore? Dai senza riserve e la ricompensa arriverà da sé.</translation>
    </message>
    <message>
        <source>Finish projects that you have left undone before you begin anything new. Clear away what no longer serves you, forgive old hurts and say your goodbyes with grace. An ending now makes room for a better chapter that is about to begin.</source>
        <translation>Porta a termine i progetti lasciati a metà prima di iniziare qualcosa di nuovo. Liberati di ciò che non ti serve più, perdona le vecchie ferite e congedati con garbo. Ciò che finisce ora fa spazio a un capitolo migliore che sta per cominciare.</translation>
    </message>
    <message>
        <source>Things may seem completed but in truth one last task remains. Look back over your recent work, tie up the loose ends, and only then rest and celebrate what you did.</source>
        <translation>Le cose possono sembrare concluse, ma in realtà resta un ultimo compito. Riesamina il tuo lavoro recente, tira le fila e solo allora riposati e festeggia ciò che hai fatto.</translation>
    </message>
    <message>
        <source>Concentrate and pray to God. All the guidance you need will come through faith and inner stillness.</source>
        <translation>Concentrati e prega Dio. Ogni indicazione di cui hai bisogno ti arriverà dalla fede e dalla quiete interiore.</translation>
    </message>
    <message>
        <source>Learn to speak for yourself and your beliefs. Your voice can inspire others; do not hide it.</source>
        <translation>Impara a parlare in prima persona e a difendere le tue convinzioni. La tua voce può ispirare gli altri; non nasconderla.</translation>
    </message>
    <message>
        <source>Combine your daily routine with your spiritual practice, and every ordinary task becomes a prayer.</source>
        <translation>Unisci la tua routine quotidiana alla pratica spirituale, e ogni compito ordinario diventerà una preghiera.</translation>
    </message>
    <message>
        <source>You will need to recognize how strongly your moods affect others. Guard your nerves, rest when you feel overwhelmed, and let your calm become a light for those around you.</source>
        <translation>Dovrai riconoscere quanto i tuoi stati d&apos;animo influiscono sugli altri. Proteggi i tuoi nervi, riposa quando tutto ti travolge e lascia che la tua calma diventi una luce per chi ti sta intorno.</translation>
    </message>
    <message>
        <source>Learn to let go of the fears that hold back your vision. Your intuition is sound; act on it with courage and you will see your ideals take shape in the world.</source>
        <translation>Impara a lasciar andare le paure che frenano la tua visione. Il tuo intuito è giusto: seguilo con coraggio e vedrai i tuoi ideali prendere forma nel mondo.</translation>
    </message>
    <message>
        <source>Your spiritual interests will bring you into contact with people who share your ideals. Welcome them, learn from them, and together you can achieve something of lasting worth.</source>
        <translation>I tuoi interessi spirituali ti metteranno in contatto con persone che condividono i tuoi ideali. Accoglile, impara da loro e insieme potrete realizzare qualcosa di valore duraturo.</translation>
    </message>
    <message>
        <source>You have good leadership qualities. Use them to build something that will benefit many people, not only yourself. Think on a grand scale, but plan every detail with patience. Others will follow you if you stay honest, practical and true to your vision.</source>
        <translation>Hai buone doti di leadership. Usale per costruire qualcosa che giovi a molte persone, non solo a te. Pensa in grande, ma pianifica ogni dettaglio con pazienza. Gli altri ti seguiranno se agirai con onestà e concretezza e resterai fedele alla tua visione.</translation>
    </message>
    <message>
        <source>Spread love and gain lots more in return. Your kindness now can change many lives for the better.</source>
        <translation>Diffondi amore e riceverai molto di più in cambio. La tua gentilezza, ora, può cambiare in meglio molte vite.</translation>
    </message>
</context>
<context>
    <name>NumberDescription</name>
    <message>
        <source>Do not waste your energy. Use this quiet time to rest and gather your strength before you act.</source>
        <translation>Non sprecare le tue energie. Approfitta di questo periodo tranquillo per riposare e raccogliere le forze prima di agire.</translation>
    </message>
    <message>
        <source>Use your energies for achieving your own goals. Take the first step alone and trust your will.</source>
        <translation>Impiega le tue energie per raggiungere i tuoi obiettivi. Muovi il primo passo in autonomia e fidati della tua volontà.</translation>
    </message>
    <message>
        <source>This is a good time to start working with others. Listen closely, be patient with those around you, and let gentle cooperation carry you where force cannot.</source>
        <translation>È un buon momento per iniziare a lavorare con gli altri. Ascolta con attenzione, sii paziente con chi ti sta intorno e lascia che una collaborazione gentile ti porti dove la forza non arriva.</translation>
    </message>
    <message>
        <source>The keyword for this number is expression. Speak, write or create, and let your joy be seen.</source>
        <translation>La parola chiave di questo numero è espressione. Parla, scrivi o crea, e lascia che la tua gioia si veda.</translation>
    </message>
    <message>
        <source>You need to balance the various parts of your life before you build on them. Put your work, your home and your health in order, one patient step at a time. A steady routine and honest effort will give you the firm ground you need, so do not look for shortcuts now.</source>
        <translation>Devi trovare un equilibrio tra i vari ambiti della tua vita prima di costruirci sopra. Metti in ordine lavoro, casa e salute, un passo paziente alla volta. Una routine costante e un impegno onesto ti daranno il terreno solido di cui hai bisogno, quindi ora non cercare scorciatoie.</translation>
    </message>
    <message>
        <source>You will have a lot to deal with as changes arrive quickly. Stay flexible, welcome new experiences and keep your freedom without losing sight of your duties.</source>
        <translation>Avrai molto da affrontare, perché i cambiamenti arrivano in fretta. Resta flessibile, accogli le nuove esperienze e conserva la tua libertà senza perdere di vista i tuoi doveri.</translation>
    </message>
    <message>
        <source>This is the time to expand your love and care to your family and community. Others will turn to you for support and advice, so give it warmly but do not carry every burden yourself. Harmony at home will bring you the peace that lets the rest of your life grow.</source>
        <translation>È il momento di estendere il tuo amore e le tue cure alla famiglia e alla comunità. Gli altri si rivolgeranno a te in cerca di sostegno e consiglio: offrili con calore, ma non caricarti di ogni peso. L&apos;armonia in casa ti darà la pace che permette al resto della tua vita di crescere.</translation>
    </message>
    <message>
        <source>This is a very spiritual number. Step back from the noise of daily life and spend time alone in study, thought and prayer. The answers you seek lie within you, and they will come to you through quiet reflection rather than through the opinions of other people.</source>
        <translation>È un numero molto spirituale. Allontanati dal rumore della vita quotidiana e dedica del tempo alla solitudine, allo studio, al pensiero e alla preghiera. Le risposte che cerchi sono dentro di te e ti arriveranno dalla riflessione silenziosa più che dalle opinioni altrui.</translation>
    </message>
    <message>
        <source>Give till you can give no more, and you will find that abundance returns to you. This is a number of power and material reward, so use your authority wisely and fairly. Money and success will follow honest work, but remember that what you share matters more than what you keep.</source>
        <translation>Dai finché non puoi dare più nulla e scoprirai che l&apos;abbondanza torna a te. È un numero di potere e di ricompensa materiale, quindi usa la tua autorità con saggezza ed equità. Denaro e successo seguiranno il lavoro onesto, ma ricorda che ciò che condividi conta più di ciò che tieni per te.</translation>
    </message>
    <message>
        <source>Stop making excuses and complete the tasks you have begun. Let go of the past and forgive freely.</source>
        <translation>Smetti di cercare scuse e porta a termine ciò che hai iniziato. Lascia andare il passato e perdona senza riserve.</translation>
    </message>
    <message>
        <source>This is a spiritual number. You are being called to inspire others through your intuition and your faith. Trust the flashes of insight that come to you, even when others doubt them. Your sensitivity is a gift, so protect your calm and share your vision with kindness.</source>
        <translation>È un numero spirituale. Il tuo compito è ispirare gli altri con il tuo intuito e la tua fede. Fidati delle illuminazioni improvvise che ti arrivano, anche quando gli altri ne dubitano. La tua sensibilità è un dono: proteggi la tua calma e condividi la tua visione con gentilezza.</translation>
    </message>
    <message>
        <source>You will be spiritually aware and able to turn great dreams into real and lasting works. Plan with care, think of the many, and build something that will serve others.</source>
        <translation>Avrai consapevolezza spirituale e saprai trasformare grandi sogni in opere reali e durature. Pianifica con cura, pensa al bene di molti e costruisci qualcosa che serva agli altri.</translation>
    </message>
</context>
<context>
    <name>Stone</name>
    <message>
        <source>Agate</source>
        <translation>Agata</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Acquamarina</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Smeraldo</translation>
    </message>
    <message>
        <source>Danburite</source>
        <translation>Danburite</translation>
    </message>
    <message>
        <source>Kyanite</source>
        <translation>Cianite</translation>
    </message>
    <message>
        <source>Bloodstone, Jasper, Onyx</source>
        <translation>Eliotropio, diaspro, onice</translation>
    </message>
    <message>
        <source>Malachite, Diamond</source>
        <translation>Malachite, diamante</translation>
    </message>
    <message>
        <source>Howlite, Tiger&apos;s Eye</source>
        <translation>Howlite, occhio di tigre</translation>
    </message>
    <message>
        <source>Ruby, Sapphire</source>
        <translation>Rubino, zaffiro</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Lapislazzuli</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topazio</translation>
    </message>
    <message>
        <source>Garnet, Peridot</source>
        <translation>Granato, peridoto</translation>
    </message>
    <message>
        <source>Lepidolite</source>
        <translation>Lepidolite</translation>
    </message>
    <message>
        <source>Moonstone, Sunstone, Amazonite</source>
        <translation>Pietra di luna, pietra del sole, amazzonite</translation>
    </message>
    <message>
        <source>Turquoise, Azurite</source>
        <translation>Turchese, azzurrite</translation>
    </message>
    <message>
        <source>Calcite, Selenite</source>
        <translation>Calcite, selenite</translation>
    </message>
    <message>
        <source>Apache  Tear, Snowflake</source>
        <translation>Lacrima apache, ossidiana fiocco di neve</translation>
    </message>
    <message>
        <source>Fluorite</source>
        <translation>Fluorite</translation>
    </message>
    <message>
        <source>Jade, Opal</source>
        <translation>Giada, opale</translation>
    </message>
    <message>
        <source>Hematite, Pyrite</source>
        <translation>Ematite, pirite</translation>
    </message>
    <message>
        <source>Tourmalinated Quartz</source>
        <translation>Quarzo tormalinato</translation>
    </message>
    <message>
        <source>Kunzite</source>
        <translation>Kunzite</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>Rodonite</translation>
    </message>
    <message>
        <source>Rhodochrosite</source>
        <translation>Rodocrosite</translation>
    </message>
    <message>
        <source>Sugilite</source>
        <translation>Sugilite</translation>
    </message>
    <message>
        <source>Rose, Lavender Quartz</source>
        <translation>Quarzo rosa, quarzo lavanda</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Ametista</translation>
    </message>
    <message>
        <source>Citrine</source>
        <translation>Citrino</translation>
    </message>
    <message>
        <source>Black Quartz</source>
        <translation>Quarzo nero</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Avventurina</translation>
    </message>
    <message>
        <source>Blue Quartz, Celestite</source>
        <translation>Quarzo blu, celestina</translation>
    </message>
    <message>
        <source>Tourmaline</source>
        <translation>Tormalina</translation>
    </message>
    <message>
        <source>Moldavite, Phenacite, Dioptase</source>
        <translation>Moldavite, fenacite, diottasio</translation>
    </message>
</context>
<context>
    <name>Totem</name>
    <message>
        <source>Turtle, Dolphin</source>
        <translation>Tartaruga, delfino</translation>
    </message>
    <message>
        <source>Eagle, Otter</source>
        <translation>Aquila, lontra</translation>
    </message>
    <message>
        <source>Wolf, Dog</source>
        <translation>Lupo, cane</translation>
    </message>
    <message>
        <source>Deer, Ant</source>
        <translation>Cervo, formica</translation>
    </message>
    <message>
        <source>Horse, Swan</source>
        <translation>Cavallo, cigno</translation>
    </message>
    <message>
        <source>Squirrel, Hummingbird</source>
        <translation>Scoiattolo, colibrì</translation>
    </message>
    <message>
        <source>Beaver, Elk</source>
        <translation>Castoro, wapiti</translation>
    </message>
    <message>
        <source>Buffalo, Raven</source>
        <translation>Bisonte, corvo</translation>
    </message>
    <message>
        <source>Hawk, Spider</source>
        <translation>Falco, ragno</translation>
    </message>
    <message>
        <source>Butterfly, Antelope</source>
        <translation>Farfalla, antilope</translation>
    </message>
    <message>
        <source>Bear, Bat</source>
        <translation>Orso, pipistrello</translation>
    </message>
    <message>
        <source>Mountain Lion, Turkey</source>
        <translation>Puma, tacchino</translation>
    </message>
</context>
<context>
    <name>dicemere::AboutWindow</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visita %1</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Scopri di più</translation>
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
        <translation>dentro il cerchio</translation>
    </message>
    <message>
        <source>on the border of the circle</source>
        <translation>sul bordo del cerchio</translation>
    </message>
    <message>
        <source>outside the circle</source>
        <translation>fuori dal cerchio</translation>
    </message>
    <message>
        <source>Die %1: %2, %3</source>
        <translation>Dado %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>dicemere::DiceCast</name>
    <message numerus="yes">
        <source>You have thrown %1 out of %n times</source>
        <translation>
            <numerusform>Hai effettuato %1 lancio su %n</numerusform>
            <numerusform>Hai effettuato %1 dei %n lanci</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Get My Enochian Numerology Result</source>
        <translation>&amp;Mostra il risultato numerologico enochiano</translation>
    </message>
    <message>
        <source>Dice %1 is in the border of the circle. Please recast it.</source>
        <translation>Il dado %1 è caduto sul bordo del cerchio. Lancialo di nuovo.</translation>
    </message>
</context>
<context>
    <name>dicemere::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visita subito %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Invita un amico</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Invita subito un amico</translation>
    </message>
    <message>
        <source>More Programs From Example</source>
        <translation>Altri programmi di Example</translation>
    </message>
    <message>
        <source>Enjoyed Dicemere? The makers of www.example.com publish a whole range of small, friendly programs for astrology, tarot, numerology and everyday divination, and every one of them is free to try. Follow the link below to browse the Example Apps catalogue and find your next favourite.</source>
        <translation>Ti è piaciuto Dicemere? Gli autori di www.example.com pubblicano un&apos;intera gamma di piccoli programmi facili da usare per astrologia, tarocchi, numerologia e divinazione quotidiana, e puoi provarli tutti gratuitamente. Segui il link qui sotto per sfogliare il catalogo di Example Apps e trovare il tuo prossimo preferito.</translation>
    </message>
    <message>
        <source>Click Here To Visit Example Apps</source>
        <translation>Visita Example Apps</translation>
    </message>
    <message>
        <source>Visit www.example.com often. Every visit to our mystic discussion forum helps us keep free programs like Dicemere alive and up to date.</source>
        <translation>Visita spesso www.example.com. Ogni visita al nostro forum di discussione sul misticismo ci aiuta a mantenere vivi e aggiornati programmi gratuiti come Dicemere.</translation>
    </message>
    <message>
        <source>Please drop in at the www.example.com discussion forum regularly. Your visits are what keep programs like this one maintained and free.</source>
        <translation>Passa regolarmente dal forum di discussione di www.example.com. Sono le tue visite a mantenere aggiornati e gratuiti programmi come questo.</translation>
    </message>
    <message>
        <source>Like Dicemere? Come and talk with other seekers at www.example.com every week: the forum&apos;s visitors are what pay for programs like this one.</source>
        <translation>Ti piace Dicemere? Vieni ogni settimana a parlare con altri cercatori spirituali su www.example.com: sono i visitatori del forum a pagare programmi come questo.</translation>
    </message>
    <message>
        <source>Make www.example.com a regular stop. Each visit to our forum supports the upkeep of Dicemere and our other free programs.</source>
        <translation>Fai di www.example.com una tappa fissa. Ogni visita al nostro forum contribuisce a mantenere Dicemere e gli altri nostri programmi gratuiti.</translation>
    </message>
</context>
<context>
    <name>dicemere::FrontPage</name>
    <message>
        <source>Focus yourself on the problem on hand cast the dice.</source>
        <translation>Concentrati sul tuo problema e lancia i dadi.</translation>
    </message>
    <message>
        <source>Choose number of dice to throw</source>
        <translation>Scegli quanti dadi lanciare</translation>
    </message>
    <message>
        <source>&amp;Concentrate on your Problem And Cast the Dice</source>
        <translation>&amp;Concentrati sul tuo problema e lancia i dadi</translation>
    </message>
</context>
<context>
    <name>dicemere::IconPicture</name>
    <message>
        <source>Dicemere icon</source>
        <translation>Icona di Dicemere</translation>
    </message>
</context>
<context>
    <name>dicemere::MainWindow</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>Il forum di misticismo più popolare del web. Fai clic qui per visitare subito %1.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Personalizza questo programma con il marchio del tuo sito e aumenta fedeltà e traffico. Inserisci qui il nome &amp;&amp; link del tuo sito. Consulta il menu «Aiuto» per i dettagli. Fai clic qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>%1 Click here for more details.</source>
        <translation>%1 Fai clic qui per maggiori dettagli.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitaci online</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
</context>
<context>
    <name>dicemere::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci indirizzi email diversi</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l&apos;indirizzo email del tuo amico</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell&apos;amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Indirizzo email dell&apos;amico</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;indirizzo email non può contenere spazi</translation>
    </message>
</context>
<context>
    <name>dicemere::ReminderMessages</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo programma.
Vuoi cercare gli aggiornamenti?</translation>
    </message>
</context>
<context>
    <name>dicemere::ResultPage</name>
    <message>
        <source>Enochian Number</source>
        <translation>Numero enochiano</translation>
    </message>
    <message>
        <source>Enochian Number Description</source>
        <translation>Descrizione del numero enochiano</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretazione</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Pietra</translation>
    </message>
    <message>
        <source>Totem</source>
        <translation>Totem</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Erba</translation>
    </message>
    <message>
        <source>Essential Oil</source>
        <translation>Olio essenziale</translation>
    </message>
    <message>
        <source>Flower Remedy</source>
        <translation>Rimedio floreale</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Copy Reading</source>
        <translation>Copia risultato</translation>
    </message>
    <message>
        <source>Dice %1: the combination %2 gives %3</source>
        <translation>Dadi: %1; la combinazione %2 dà %3</translation>
    </message>
    <message>
        <source>Dice %1: total %2</source>
        <translation>Dadi: %1; la somma è %2</translation>
    </message>
</context>
<context>
    <name>dicemere::SharedTexts</name>
    <message>
        <source>Dicemere is a method of numerology divination that relates dice and numbers to help you find solutions to your problems.</source>
        <translation>Dicemere è un metodo di divinazione numerologica che mette in relazione dadi e numeri per aiutarti a trovare soluzioni ai tuoi problemi.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Lavora da casa: avvia la tua attività su Internet e guadagna online. Ottieni questo programma con il marchio del tuo sito web.</translation>
    </message>
</context>
<context>
    <name>dicemere::StartupMessages</name>
    <message>
        <source>Application is already running</source>
        <translation>Il programma è già in esecuzione</translation>
    </message>
</context>
</TS>
