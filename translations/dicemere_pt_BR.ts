<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>EssentialOil</name>
    <message>
        <source>Tea Tree</source>
        <translation>Melaleuca</translation>
    </message>
    <message>
        <source>Cedarwood</source>
        <translation>Cedro</translation>
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
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Sandalwood</source>
        <translation>Sândalo</translation>
    </message>
    <message>
        <source>Citronella</source>
        <translation>Citronela</translation>
    </message>
    <message>
        <source>Geranium</source>
        <translation>Gerânio</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limão-taiti</translation>
    </message>
    <message>
        <source>Bergamot</source>
        <translation>Bergamota</translation>
    </message>
    <message>
        <source>Thyme</source>
        <translation>Tomilho</translation>
    </message>
    <message>
        <source>Eucalyptus</source>
        <translation>Eucalipto</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Gengibre</translation>
    </message>
    <message>
        <source>Rosemary</source>
        <translation>Alecrim</translation>
    </message>
    <message>
        <source>Anise</source>
        <translation>Anis</translation>
    </message>
    <message>
        <source>Peppermint</source>
        <translation>Hortelã-pimenta</translation>
    </message>
    <message>
        <source>Neroli</source>
        <translation>Néroli</translation>
    </message>
    <message>
        <source>Wintergreen</source>
        <translation>Gaultéria</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limão-siciliano</translation>
    </message>
    <message>
        <source>Myrrh</source>
        <translation>Mirra</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Cravo-da-índia</translation>
    </message>
    <message>
        <source>Clary Sage</source>
        <translation>Sálvia-esclareia</translation>
    </message>
    <message>
        <source>Frankincense</source>
        <translation>Olíbano</translation>
    </message>
    <message>
        <source>Patchouli</source>
        <translation>Patchouli</translation>
    </message>
    <message>
        <source>Jasmine</source>
        <translation>Jasmim</translation>
    </message>
    <message>
        <source>Ylang Ylang</source>
        <translation>Ylang-ylang</translation>
    </message>
    <message>
        <source>Nutmeg</source>
        <translation>Noz-moscada</translation>
    </message>
    <message>
        <source>Spearmint</source>
        <translation>Hortelã-verde</translation>
    </message>
    <message>
        <source>Camomile</source>
        <translation>Camomila</translation>
    </message>
    <message>
        <source>Cinnamon</source>
        <translation>Canela</translation>
    </message>
    <message>
        <source>Fir Needle</source>
        <translation>Abeto</translation>
    </message>
    <message>
        <source>Tangerine</source>
        <translation>Tangerina</translation>
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
        <translation>Escutelária</translation>
    </message>
    <message>
        <source>Fenugreek</source>
        <translation>Feno-grego</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Yarrow</source>
        <translation>Mil-folhas</translation>
    </message>
    <message>
        <source>Barberry</source>
        <translation>Bérberis</translation>
    </message>
    <message>
        <source>Plantain</source>
        <translation>Tanchagem</translation>
    </message>
    <message>
        <source>Ephedra</source>
        <translation>Éfedra</translation>
    </message>
    <message>
        <source>Coriander</source>
        <translation>Coentro</translation>
    </message>
    <message>
        <source>Juniper</source>
        <translation>Zimbro</translation>
    </message>
    <message>
        <source>Safflower</source>
        <translation>Cártamo</translation>
    </message>
    <message>
        <source>Chervil</source>
        <translation>Cerefólio</translation>
    </message>
    <message>
        <source>Saw Palmetto</source>
        <translation>Saw palmetto</translation>
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
        <translation>Centáurea-menor</translation>
    </message>
    <message>
        <source>Feverfew</source>
        <translation>Tanaceto</translation>
    </message>
    <message>
        <source>Chamomile</source>
        <translation>Camomila</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Raiz</translation>
    </message>
    <message>
        <source>Cascara Sagrada</source>
        <translation>Cáscara-sagrada</translation>
    </message>
    <message>
        <source>Hops</source>
        <translation>Lúpulo</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Dente-de-leão</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Cravo-da-índia</translation>
    </message>
    <message>
        <source>Lemon Balm</source>
        <translation>Melissa</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>Agrimônia</translation>
    </message>
    <message>
        <source>Pleurisy root</source>
        <translation>Asclépia</translation>
    </message>
    <message>
        <source>St. Johnswort</source>
        <translation>Hipérico</translation>
    </message>
    <message>
        <source>Mugwort</source>
        <translation>Artemísia</translation>
    </message>
    <message>
        <source>Black Walnut</source>
        <translation>Nogueira-negra</translation>
    </message>
    <message>
        <source>Echinacea</source>
        <translation>Equinácea</translation>
    </message>
    <message>
        <source>Cleavers</source>
        <translation>Amor-de-hortelão</translation>
    </message>
    <message>
        <source>Angelica</source>
        <translation>Angélica</translation>
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
        <translation>Este é o momento de analisar sua situação com a mente clara. Observe os fatos, decida o que você realmente quer e então aja segundo seu próprio julgamento, sem esperar.</translation>
    </message>
    <message>
        <source>You will achieve something in the near future that makes you proud. Keep your courage, follow the path you have chosen and do not let others lead you away from it.</source>
        <translation>Em breve você vai conquistar algo que lhe dará orgulho. Mantenha a coragem, siga o caminho que escolheu e não deixe que os outros afastem você dele.</translation>
    </message>
    <message>
        <source>You may not be sure of the road ahead, but a new beginning is waiting. Take one small, bold step today and you will find your confidence growing with every stride.</source>
        <translation>Talvez você não tenha certeza do caminho à frente, mas um novo começo está à sua espera. Dê hoje um passo pequeno e ousado, e você verá sua confiança crescer a cada passada.</translation>
    </message>
    <message>
        <source>This is the time to enter into partnerships and agreements. Choose your companions with care, be tactful in what you say, and let trust grow slowly between you.</source>
        <translation>Este é o momento de firmar parcerias e acordos. Escolha seus companheiros com cuidado, tenha tato no que diz e deixe a confiança crescer aos poucos entre vocês.</translation>
    </message>
    <message>
        <source>Learn to focus on your spiritual side and trust your intuition; quiet moments will show you the way.</source>
        <translation>Aprenda a se concentrar no seu lado espiritual e a confiar na sua intuição; os momentos de silêncio mostrarão o caminho.</translation>
    </message>
    <message>
        <source>This is a good time to build bridges with the people around you. Mend old quarrels, offer a helping hand and value the peace that comes from working together.</source>
        <translation>Este é um bom momento para construir pontes com as pessoas ao seu redor. Resolva antigas desavenças, ofereça ajuda e valorize a paz que vem do trabalho em conjunto.</translation>
    </message>
    <message>
        <source>You can join with friends or family in something creative and joyful. Share your ideas openly, laugh often, and let your natural optimism lift the mood of others.</source>
        <translation>Você pode se unir a amigos ou familiares em algo criativo e alegre. Compartilhe suas ideias abertamente, ria muito e deixe seu otimismo natural levantar o ânimo dos outros.</translation>
    </message>
    <message>
        <source>Meditation can bring you a lot of clarity at this time. Set aside a few quiet minutes each day to still your mind, and your words will become wiser and kinder.</source>
        <translation>A meditação pode trazer muita clareza neste momento. Reserve alguns minutos de silêncio por dia para acalmar a mente, e suas palavras ficarão mais sábias e gentis.</translation>
    </message>
    <message>
        <source>Think of how a change in the way you express yourself could open new doors. Try a fresh approach, speak from the heart, and be ready to be noticed for your talent.</source>
        <translation>Pense em como uma mudança na sua maneira de se expressar poderia abrir novas portas. Experimente uma abordagem nova, fale com o coração e esteja pronto para ser notado pelo seu talento.</translation>
    </message>
    <message>
        <source>You need to express yourself better. Say plainly what you need from others at home and at work, and put your plans on paper so that they become firm and real.</source>
        <translation>Você precisa se expressar melhor. Diga com clareza o que precisa dos outros em casa e no trabalho, e coloque seus planos no papel para que se tornem firmes e reais.</translation>
    </message>
    <message>
        <source>You have achieved your goals in one part of your life; now bring the same discipline to the rest. Order your days, keep your promises and the foundations will hold.</source>
        <translation>Você alcançou seus objetivos em uma área da sua vida; agora leve a mesma disciplina ao restante. Organize seus dias, cumpra suas promessas e os alicerces se manterão firmes.</translation>
    </message>
    <message>
        <source>Do not be secretive and keep your plans hidden. Be open about the changes you want to make.</source>
        <translation>Não seja reservado nem esconda seus planos. Fale abertamente sobre as mudanças que você quer fazer.</translation>
    </message>
    <message>
        <source>You are keeping too much to yourself. Share your thoughts and let a friend help you decide.</source>
        <translation>Você está guardando muita coisa para si. Compartilhe seus pensamentos e deixe que um amigo ajude você a decidir.</translation>
    </message>
    <message>
        <source>You are spending too much time on restless pursuits. Slow down and choose what really matters.</source>
        <translation>Você está gastando tempo demais com atividades que só trazem agitação. Desacelere e escolha o que realmente importa.</translation>
    </message>
    <message>
        <source>You have given a lot of love and care to others. Now allow them to give something back to you, and accept their kindness without feeling that you owe them anything.</source>
        <translation>Você deu muito amor e cuidado aos outros. Agora permita que eles retribuam e aceite a gentileza deles sem sentir que lhes deve alguma coisa.</translation>
    </message>
    <message>
        <source>Don&apos;t be in a hurry to take on every responsibility that is offered. Help where you are truly needed, and keep enough time and energy for your own home and heart.</source>
        <translation>Não tenha pressa em assumir todas as responsabilidades que lhe oferecerem. Ajude onde você é realmente necessário e guarde tempo e energia suficientes para seu próprio lar e seu coração.</translation>
    </message>
    <message>
        <source>Use the skills and knowledge you have gained to serve your community. Teaching, healing or simply listening well will bring harmony to you and to those you touch.</source>
        <translation>Use as habilidades e os conhecimentos que você adquiriu para servir à sua comunidade. Ensinar, curar ou simplesmente saber ouvir trará harmonia a você e às pessoas com quem você convive.</translation>
    </message>
    <message>
        <source>You will do good to work alone for a while. Study a subject that fascinates you, keep a journal of your thoughts, and trust the wisdom that grows out of solitude.</source>
        <translation>Será bom para você trabalhar sozinho por um tempo. Estude um assunto que fascine você, mantenha um diário dos seus pensamentos e confie na sabedoria que nasce da solidão.</translation>
    </message>
    <message>
        <source>Spirituality and belief go hand in hand for you now. Set time aside for prayer or meditation, and read the works that feed your soul. Do not be troubled if others fail to understand; your inner search will lead you to a deeper truth.</source>
        <translation>Espiritualidade e fé caminham juntas para você agora. Reserve tempo para a oração ou a meditação e leia as obras que alimentam sua alma. Não se preocupe se os outros não entenderem; sua busca interior levará você a uma verdade mais profunda.</translation>
    </message>
    <message>
        <source>You will get great joy by using your success to help those who have less. Manage your money with care and be fair in every dealing. Power used with kindness will grow, while power used selfishly will slip through your fingers.</source>
        <translation>Você sentirá grande alegria ao usar seu sucesso para ajudar quem tem menos. Administre seu dinheiro com cuidado e seja justo em todos os negócios. O poder usado com bondade crescerá, enquanto o poder usado com egoísmo escapará por entre seus dedos.</translation>
    </message>
    <message>
        <source>Do you expect something in return for every favour? Give freely and the reward will find you.</source>
        <translation>Você espera algo em troca de cada favor? Dê sem esperar nada, e a recompensa encontrará você.</translation>
    </message>
    <message>
        <source>Finish projects that you have left undone before you begin anything new. Clear away what no longer serves you, forgive old hurts and say your goodbyes with grace. An ending now makes room for a better chapter that is about to begin.</source>
        <translation>Termine os projetos que deixou inacabados antes de começar algo novo. Livre-se do que já não lhe serve, perdoe mágoas antigas e despeça-se com elegância. Um encerramento agora abre espaço para um capítulo melhor, que está prestes a começar.</translation>
    </message>
    <message>
        <source>Things may seem completed but in truth one last task remains. Look back over your recent work, tie up the loose ends, and only then rest and celebrate what you did.</source>
        <translation>Tudo pode parecer concluído, mas, na verdade, ainda resta uma última tarefa. Revise seu trabalho recente, amarre as pontas soltas e só então descanse e celebre o que você fez.</translation>
    </message>
    <message>
        <source>Concentrate and pray to God. All the guidance you need will come through faith and inner stillness.</source>
        <translation>Concentre-se e ore a Deus. Toda a orientação de que você precisa virá por meio da fé e da quietude interior.</translation>
    </message>
    <message>
        <source>Learn to speak for yourself and your beliefs. Your voice can inspire others; do not hide it.</source>
        <translation>Aprenda a falar por si e por suas crenças. Sua voz pode inspirar os outros; não a esconda.</translation>
    </message>
    <message>
        <source>Combine your daily routine with your spiritual practice, and every ordinary task becomes a prayer.</source>
        <translation>Una sua rotina diária à sua prática espiritual, e cada tarefa comum se tornará uma oração.</translation>
    </message>
    <message>
        <source>You will need to recognize how strongly your moods affect others. Guard your nerves, rest when you feel overwhelmed, and let your calm become a light for those around you.</source>
        <translation>Você precisará reconhecer o quanto seu humor afeta os outros. Proteja seus nervos, descanse quando se sentir sobrecarregado e deixe que sua calma seja uma luz para quem está ao seu redor.</translation>
    </message>
    <message>
        <source>Learn to let go of the fears that hold back your vision. Your intuition is sound; act on it with courage and you will see your ideals take shape in the world.</source>
        <translation>Aprenda a se libertar dos medos que limitam sua visão. Sua intuição é sólida; siga-a com coragem, e você verá seus ideais tomarem forma no mundo.</translation>
    </message>
    <message>
        <source>Your spiritual interests will bring you into contact with people who share your ideals. Welcome them, learn from them, and together you can achieve something of lasting worth.</source>
        <translation>Seus interesses espirituais colocarão você em contato com pessoas que compartilham seus ideais. Receba-as bem, aprenda com elas, e juntos vocês poderão realizar algo de valor duradouro.</translation>
    </message>
    <message>
        <source>You have good leadership qualities. Use them to build something that will benefit many people, not only yourself. Think on a grand scale, but plan every detail with patience. Others will follow you if you stay honest, practical and true to your vision.</source>
        <translation>Você tem boas qualidades de liderança. Use-as para construir algo que beneficie muitas pessoas, não apenas você. Pense em grande escala, mas planeje cada detalhe com paciência. Os outros seguirão seus passos se você se mantiver honesto, prático e fiel à sua visão.</translation>
    </message>
    <message>
        <source>Spread love and gain lots more in return. Your kindness now can change many lives for the better.</source>
        <translation>Espalhe amor e receba muito mais em troca. Sua bondade agora pode mudar muitas vidas para melhor.</translation>
    </message>
</context>
<context>
    <name>NumberDescription</name>
    <message>
        <source>Do not waste your energy. Use this quiet time to rest and gather your strength before you act.</source>
        <translation>Não desperdice sua energia. Use este momento de calma para descansar e reunir forças antes de agir.</translation>
    </message>
    <message>
        <source>Use your energies for achieving your own goals. Take the first step alone and trust your will.</source>
        <translation>Use suas energias para alcançar seus próprios objetivos. Dê o primeiro passo sozinho e confie na sua vontade.</translation>
    </message>
    <message>
        <source>This is a good time to start working with others. Listen closely, be patient with those around you, and let gentle cooperation carry you where force cannot.</source>
        <translation>Este é um bom momento para começar a trabalhar com outras pessoas. Ouça com atenção, tenha paciência com quem está ao seu redor e deixe que a cooperação gentil leve você aonde a força não consegue levar.</translation>
    </message>
    <message>
        <source>The keyword for this number is expression. Speak, write or create, and let your joy be seen.</source>
        <translation>A palavra-chave deste número é expressão. Fale, escreva ou crie, e deixe que sua alegria seja vista.</translation>
    </message>
    <message>
        <source>You need to balance the various parts of your life before you build on them. Put your work, your home and your health in order, one patient step at a time. A steady routine and honest effort will give you the firm ground you need, so do not look for shortcuts now.</source>
        <translation>Você precisa equilibrar as várias áreas da sua vida antes de construir sobre elas. Coloque em ordem seu trabalho, sua casa e sua saúde, um passo paciente de cada vez. Uma rotina estável e um esforço honesto darão a você o chão firme de que precisa, então não procure atalhos agora.</translation>
    </message>
    <message>
        <source>You will have a lot to deal with as changes arrive quickly. Stay flexible, welcome new experiences and keep your freedom without losing sight of your duties.</source>
        <translation>Você terá muito com que lidar, pois as mudanças chegam depressa. Seja flexível, acolha novas experiências e mantenha sua liberdade sem perder de vista seus deveres.</translation>
    </message>
    <message>
        <source>This is the time to expand your love and care to your family and community. Others will turn to you for support and advice, so give it warmly but do not carry every burden yourself. Harmony at home will bring you the peace that lets the rest of your life grow.</source>
        <translation>Este é o momento de estender seu amor e seu cuidado à sua família e à sua comunidade. Os outros vão procurar você em busca de apoio e conselhos; ofereça-os com carinho, mas não carregue todos os fardos sozinho. A harmonia no lar trará a paz que permite ao restante da sua vida crescer.</translation>
    </message>
    <message>
        <source>This is a very spiritual number. Step back from the noise of daily life and spend time alone in study, thought and prayer. The answers you seek lie within you, and they will come to you through quiet reflection rather than through the opinions of other people.</source>
        <translation>Este é um número muito espiritual. Afaste-se do barulho do dia a dia e passe um tempo sozinho estudando, refletindo e orando. As respostas que você procura estão dentro de você e virão por meio da reflexão silenciosa, e não das opiniões de outras pessoas.</translation>
    </message>
    <message>
        <source>Give till you can give no more, and you will find that abundance returns to you. This is a number of power and material reward, so use your authority wisely and fairly. Money and success will follow honest work, but remember that what you share matters more than what you keep.</source>
        <translation>Dê até não poder dar mais, e você verá que a abundância volta para você. Este é um número de poder e de recompensa material; portanto, use sua autoridade com sabedoria e justiça. O dinheiro e o sucesso virão com o trabalho honesto, mas lembre-se de que o que você compartilha importa mais do que o que você guarda.</translation>
    </message>
    <message>
        <source>Stop making excuses and complete the tasks you have begun. Let go of the past and forgive freely.</source>
        <translation>Pare de dar desculpas e conclua as tarefas que você começou. Deixe o passado para trás e perdoe de coração.</translation>
    </message>
    <message>
        <source>This is a spiritual number. You are being called to inspire others through your intuition and your faith. Trust the flashes of insight that come to you, even when others doubt them. Your sensitivity is a gift, so protect your calm and share your vision with kindness.</source>
        <translation>Este é um número espiritual. Você está sendo chamado a inspirar os outros por meio da sua intuição e da sua fé. Confie nos lampejos de percepção que surgirem, mesmo quando os outros duvidarem deles. Sua sensibilidade é um dom; proteja sua calma e compartilhe sua visão com gentileza.</translation>
    </message>
    <message>
        <source>You will be spiritually aware and able to turn great dreams into real and lasting works. Plan with care, think of the many, and build something that will serve others.</source>
        <translation>Você terá consciência espiritual e será capaz de transformar grandes sonhos em obras reais e duradouras. Planeje com cuidado, pense no bem comum e construa algo que sirva aos outros.</translation>
    </message>
</context>
<context>
    <name>Stone</name>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Água-marinha</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>Danburite</source>
        <translation>Danburita</translation>
    </message>
    <message>
        <source>Kyanite</source>
        <translation>Cianita</translation>
    </message>
    <message>
        <source>Bloodstone, Jasper, Onyx</source>
        <translation>Heliotrópio, jaspe, ônix</translation>
    </message>
    <message>
        <source>Malachite, Diamond</source>
        <translation>Malaquita, diamante</translation>
    </message>
    <message>
        <source>Howlite, Tiger&apos;s Eye</source>
        <translation>Howlita, olho-de-tigre</translation>
    </message>
    <message>
        <source>Ruby, Sapphire</source>
        <translation>Rubi, safira</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Lápis-lazúli</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topázio</translation>
    </message>
    <message>
        <source>Garnet, Peridot</source>
        <translation>Granada, peridoto</translation>
    </message>
    <message>
        <source>Lepidolite</source>
        <translation>Lepidolita</translation>
    </message>
    <message>
        <source>Moonstone, Sunstone, Amazonite</source>
        <translation>Pedra-da-lua, pedra-do-sol, amazonita</translation>
    </message>
    <message>
        <source>Turquoise, Azurite</source>
        <translation>Turquesa, azurita</translation>
    </message>
    <message>
        <source>Calcite, Selenite</source>
        <translation>Calcita, selenita</translation>
    </message>
    <message>
        <source>Apache  Tear, Snowflake</source>
        <translation>Lágrima-de-apache, obsidiana floco de neve</translation>
    </message>
    <message>
        <source>Fluorite</source>
        <translation>Fluorita</translation>
    </message>
    <message>
        <source>Jade, Opal</source>
        <translation>Jade, opala</translation>
    </message>
    <message>
        <source>Hematite, Pyrite</source>
        <translation>Hematita, pirita</translation>
    </message>
    <message>
        <source>Tourmalinated Quartz</source>
        <translation>Quartzo turmalinado</translation>
    </message>
    <message>
        <source>Kunzite</source>
        <translation>Kunzita</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>Rodonita</translation>
    </message>
    <message>
        <source>Rhodochrosite</source>
        <translation>Rodocrosita</translation>
    </message>
    <message>
        <source>Sugilite</source>
        <translation>Sugilita</translation>
    </message>
    <message>
        <source>Rose, Lavender Quartz</source>
        <translation>Quartzo rosa, quartzo lavanda</translation>
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
        <translation>Quartzo negro</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Aventurina</translation>
    </message>
    <message>
        <source>Blue Quartz, Celestite</source>
        <translation>Quartzo azul, celestita</translation>
    </message>
    <message>
        <source>Tourmaline</source>
        <translation>Turmalina</translation>
    </message>
    <message>
        <source>Moldavite, Phenacite, Dioptase</source>
        <translation>Moldavita, fenacita, dioptásio</translation>
    </message>
</context>
<context>
    <name>Totem</name>
    <message>
        <source>Turtle, Dolphin</source>
        <translation>Tartaruga, golfinho</translation>
    </message>
    <message>
        <source>Eagle, Otter</source>
        <translation>Águia, lontra</translation>
    </message>
    <message>
        <source>Wolf, Dog</source>
        <translation>Lobo, cão</translation>
    </message>
    <message>
        <source>Deer, Ant</source>
        <translation>Cervo, formiga</translation>
    </message>
    <message>
        <source>Horse, Swan</source>
        <translation>Cavalo, cisne</translation>
    </message>
    <message>
        <source>Squirrel, Hummingbird</source>
        <translation>Esquilo, beija-flor</translation>
    </message>
    <message>
        <source>Beaver, Elk</source>
        <translation>Castor, uapiti</translation>
    </message>
    <message>
        <source>Buffalo, Raven</source>
        <translation>Bisão, corvo</translation>
    </message>
    <message>
        <source>Hawk, Spider</source>
        <translation>Gavião, aranha</translation>
    </message>
    <message>
        <source>Butterfly, Antelope</source>
        <translation>Borboleta, antílope</translation>
    </message>
    <message>
        <source>Bear, Bat</source>
        <translation>Urso, morcego</translation>
    </message>
    <message>
        <source>Mountain Lion, Turkey</source>
        <translation>Puma, peru</translation>
    </message>
</context>
<context>
    <name>dicemere::AboutWindow</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visite %1</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique aqui e saiba mais</translation>
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
        <translation>dentro do círculo</translation>
    </message>
    <message>
        <source>on the border of the circle</source>
        <translation>na borda do círculo</translation>
    </message>
    <message>
        <source>outside the circle</source>
        <translation>fora do círculo</translation>
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
            <numerusform>Você fez %1 de %n lançamento</numerusform>
            <numerusform>Você fez %1 de %n lançamentos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Get My Enochian Numerology Result</source>
        <translation>Ver meu &amp;resultado numerológico enoquiano</translation>
    </message>
    <message>
        <source>Dice %1 is in the border of the circle. Please recast it.</source>
        <translation>O dado %1 caiu na borda do círculo. Lance-o novamente.</translation>
    </message>
</context>
<context>
    <name>dicemere::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visite %1 agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique um amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indique um amigo &amp;agora</translation>
    </message>
    <message>
        <source>More Programs From Example</source>
        <translation>Mais programas da Example</translation>
    </message>
    <message>
        <source>Enjoyed Dicemere? The makers of www.example.com publish a whole range of small, friendly programs for astrology, tarot, numerology and everyday divination, and every one of them is free to try. Follow the link below to browse the Example Apps catalogue and find your next favourite.</source>
        <translation>Gostou do Dicemere? Os criadores do www.example.com publicam toda uma linha de programas pequenos e práticos de astrologia, tarô, numerologia e adivinhação do dia a dia, e todos podem ser experimentados gratuitamente. Siga o link abaixo para conhecer o catálogo da Example Apps e encontrar seu próximo favorito.</translation>
    </message>
    <message>
        <source>Click Here To Visit Example Apps</source>
        <translation>Conheça a Example Apps</translation>
    </message>
    <message>
        <source>Visit www.example.com often. Every visit to our mystic discussion forum helps us keep free programs like Dicemere alive and up to date.</source>
        <translation>Visite www.example.com com frequência. Cada visita ao nosso fórum místico nos ajuda a manter vivos e atualizados programas gratuitos como o Dicemere.</translation>
    </message>
    <message>
        <source>Please drop in at the www.example.com discussion forum regularly. Your visits are what keep programs like this one maintained and free.</source>
        <translation>Passe regularmente pelo fórum de discussão do www.example.com. São as suas visitas que mantêm programas como este atualizados e gratuitos.</translation>
    </message>
    <message>
        <source>Like Dicemere? Come and talk with other seekers at www.example.com every week: the forum&apos;s visitors are what pay for programs like this one.</source>
        <translation>Gosta do Dicemere? Venha conversar com outros buscadores no www.example.com toda semana: são os visitantes do fórum que pagam por programas como este.</translation>
    </message>
    <message>
        <source>Make www.example.com a regular stop. Each visit to our forum supports the upkeep of Dicemere and our other free programs.</source>
        <translation>Inclua o www.example.com na sua rotina. Cada visita ao nosso fórum ajuda a manter o Dicemere e nossos outros programas gratuitos.</translation>
    </message>
</context>
<context>
    <name>dicemere::FrontPage</name>
    <message>
        <source>Focus yourself on the problem on hand cast the dice.</source>
        <translation>Concentre-se no problema em questão e lance os dados.</translation>
    </message>
    <message>
        <source>Choose number of dice to throw</source>
        <translation>Escolha quantos dados lançar</translation>
    </message>
    <message>
        <source>&amp;Concentrate on your Problem And Cast the Dice</source>
        <translation>&amp;Concentre-se no seu problema e lance os dados</translation>
    </message>
</context>
<context>
    <name>dicemere::IconPicture</name>
    <message>
        <source>Dicemere icon</source>
        <translation>Ícone do Dicemere</translation>
    </message>
</context>
<context>
    <name>dicemere::MainWindow</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>Participe do fórum místico mais popular da internet. Clique aqui para visitar %1 agora.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Personalize este programa com a marca do seu site. Aumente a fidelidade e o tráfego do seu site. Coloque aqui o nome &amp;&amp; o link do seu site. Veja “Ajuda” para mais detalhes. Clique aqui para saber mais sobre co-branding.</translation>
    </message>
    <message>
        <source>%1 Click here for more details.</source>
        <translation>%1 Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhe dinheiro &amp;on-line</translation>
    </message>
</context>
<context>
    <name>dicemere::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Informe endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Informe um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Informe seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Informe seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Informe o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Informe o e-mail do seu amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>dicemere::ReminderMessages</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Pode haver uma atualização disponível para este programa.
Deseja verificar se há atualizações?</translation>
    </message>
</context>
<context>
    <name>dicemere::ResultPage</name>
    <message>
        <source>Enochian Number</source>
        <translation>Número enoquiano</translation>
    </message>
    <message>
        <source>Enochian Number Description</source>
        <translation>Descrição do número enoquiano</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretação</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Pedra</translation>
    </message>
    <message>
        <source>Totem</source>
        <translation>Totem</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Erva</translation>
    </message>
    <message>
        <source>Essential Oil</source>
        <translation>Óleo essencial</translation>
    </message>
    <message>
        <source>Flower Remedy</source>
        <translation>Floral</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Copy Reading</source>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <source>Dice %1: the combination %2 gives %3</source>
        <translation>Dados %1: a combinação %2 resulta em %3</translation>
    </message>
    <message>
        <source>Dice %1: total %2</source>
        <translation>Dados %1: total %2</translation>
    </message>
</context>
<context>
    <name>dicemere::SharedTexts</name>
    <message>
        <source>Dicemere is a method of numerology divination that relates dice and numbers to help you find solutions to your problems.</source>
        <translation>Dicemere é um método de adivinhação numerológica que relaciona dados e números para ajudar você a encontrar soluções para seus problemas.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Monte seu próprio negócio em casa. Abra uma empresa na internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site.</translation>
    </message>
</context>
<context>
    <name>dicemere::StartupMessages</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está em execução</translation>
    </message>
</context>
</TS>
