<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>EssentialOil</name>
    <message>
        <source>Tea Tree</source>
        <translation>Árbol del té</translation>
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
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Sandalwood</source>
        <translation>Sándalo</translation>
    </message>
    <message>
        <source>Citronella</source>
        <translation>Citronela</translation>
    </message>
    <message>
        <source>Geranium</source>
        <translation>Geranio</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Bergamot</source>
        <translation>Bergamota</translation>
    </message>
    <message>
        <source>Thyme</source>
        <translation>Tomillo</translation>
    </message>
    <message>
        <source>Eucalyptus</source>
        <translation>Eucalipto</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Jengibre</translation>
    </message>
    <message>
        <source>Rosemary</source>
        <translation>Romero</translation>
    </message>
    <message>
        <source>Anise</source>
        <translation>Anís</translation>
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
        <translation>Gaulteria</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limón</translation>
    </message>
    <message>
        <source>Myrrh</source>
        <translation>Mirra</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Clavo</translation>
    </message>
    <message>
        <source>Clary Sage</source>
        <translation>Salvia esclarea</translation>
    </message>
    <message>
        <source>Frankincense</source>
        <translation>Incienso</translation>
    </message>
    <message>
        <source>Patchouli</source>
        <translation>Pachulí</translation>
    </message>
    <message>
        <source>Jasmine</source>
        <translation>Jazmín</translation>
    </message>
    <message>
        <source>Ylang Ylang</source>
        <translation>Ylang-ylang</translation>
    </message>
    <message>
        <source>Nutmeg</source>
        <translation>Nuez moscada</translation>
    </message>
    <message>
        <source>Spearmint</source>
        <translation>Hierbabuena</translation>
    </message>
    <message>
        <source>Camomile</source>
        <translation>Manzanilla</translation>
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
        <translation>Mandarina</translation>
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
        <translation>Escutelaria</translation>
    </message>
    <message>
        <source>Fenugreek</source>
        <translation>Fenogreco</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Yarrow</source>
        <translation>Milenrama</translation>
    </message>
    <message>
        <source>Barberry</source>
        <translation>Agracejo</translation>
    </message>
    <message>
        <source>Plantain</source>
        <translation>Llantén</translation>
    </message>
    <message>
        <source>Ephedra</source>
        <translation>Efedra</translation>
    </message>
    <message>
        <source>Coriander</source>
        <translation>Cilantro</translation>
    </message>
    <message>
        <source>Juniper</source>
        <translation>Enebro</translation>
    </message>
    <message>
        <source>Safflower</source>
        <translation>Cártamo</translation>
    </message>
    <message>
        <source>Chervil</source>
        <translation>Perifollo</translation>
    </message>
    <message>
        <source>Saw Palmetto</source>
        <translation>Sabal</translation>
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
        <translation>Centaura menor</translation>
    </message>
    <message>
        <source>Feverfew</source>
        <translation>Matricaria</translation>
    </message>
    <message>
        <source>Chamomile</source>
        <translation>Manzanilla</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Raíz</translation>
    </message>
    <message>
        <source>Cascara Sagrada</source>
        <translation>Cáscara sagrada</translation>
    </message>
    <message>
        <source>Hops</source>
        <translation>Lúpulo</translation>
    </message>
    <message>
        <source>Dandelion</source>
        <translation>Diente de león</translation>
    </message>
    <message>
        <source>Clove</source>
        <translation>Clavo</translation>
    </message>
    <message>
        <source>Lemon Balm</source>
        <translation>Melisa</translation>
    </message>
    <message>
        <source>Agrimony</source>
        <translation>Agrimonia</translation>
    </message>
    <message>
        <source>Pleurisy root</source>
        <translation>Raíz de pleuresía</translation>
    </message>
    <message>
        <source>St. Johnswort</source>
        <translation>Hipérico</translation>
    </message>
    <message>
        <source>Mugwort</source>
        <translation>Artemisa</translation>
    </message>
    <message>
        <source>Black Walnut</source>
        <translation>Nogal negro</translation>
    </message>
    <message>
        <source>Echinacea</source>
        <translation>Equinácea</translation>
    </message>
    <message>
        <source>Cleavers</source>
        <translation>Amor de hortelano</translation>
    </message>
    <message>
        <source>Angelica</source>
        <translation>Angélica</translation>
    </message>
    <message>
        <source>Mullein</source>
        <translation>Gordolobo</translation>
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
        <translation>Es el momento de analizar su situación con la mente despejada. Examine los hechos, decida lo que de verdad quiere y actúe según su propio criterio, sin esperar.</translation>
    </message>
    <message>
        <source>You will achieve something in the near future that makes you proud. Keep your courage, follow the path you have chosen and do not let others lead you away from it.</source>
        <translation>En un futuro próximo logrará algo que le llenará de orgullo. Mantenga el valor, siga el camino que ha elegido y no deje que otros le aparten de él.</translation>
    </message>
    <message>
        <source>You may not be sure of the road ahead, but a new beginning is waiting. Take one small, bold step today and you will find your confidence growing with every stride.</source>
        <translation>Quizá no tenga claro el camino que le espera, pero un nuevo comienzo le aguarda. Dé hoy un pequeño paso con audacia y verá cómo su confianza crece con cada avance.</translation>
    </message>
    <message>
        <source>This is the time to enter into partnerships and agreements. Choose your companions with care, be tactful in what you say, and let trust grow slowly between you.</source>
        <translation>Es el momento de establecer asociaciones y acuerdos. Elija con cuidado a sus compañeros, hable con tacto y deje que la confianza entre ustedes crezca poco a poco.</translation>
    </message>
    <message>
        <source>Learn to focus on your spiritual side and trust your intuition; quiet moments will show you the way.</source>
        <translation>Aprenda a centrarse en su lado espiritual y confíe en su intuición; los momentos de calma le mostrarán el camino.</translation>
    </message>
    <message>
        <source>This is a good time to build bridges with the people around you. Mend old quarrels, offer a helping hand and value the peace that comes from working together.</source>
        <translation>Es un buen momento para tender puentes con las personas que le rodean. Ponga fin a viejas disputas, ofrezca su ayuda y valore la paz que nace de trabajar juntos.</translation>
    </message>
    <message>
        <source>You can join with friends or family in something creative and joyful. Share your ideas openly, laugh often, and let your natural optimism lift the mood of others.</source>
        <translation>Puede unirse a amigos o familiares en algo creativo y alegre. Comparta sus ideas abiertamente, ría a menudo y deje que su optimismo natural levante el ánimo de los demás.</translation>
    </message>
    <message>
        <source>Meditation can bring you a lot of clarity at this time. Set aside a few quiet minutes each day to still your mind, and your words will become wiser and kinder.</source>
        <translation>La meditación puede aportarle mucha claridad en este momento. Reserve cada día unos minutos de tranquilidad para serenar la mente, y sus palabras se volverán más sabias y amables.</translation>
    </message>
    <message>
        <source>Think of how a change in the way you express yourself could open new doors. Try a fresh approach, speak from the heart, and be ready to be noticed for your talent.</source>
        <translation>Piense en cómo un cambio en su forma de expresarse podría abrirle nuevas puertas. Pruebe un enfoque distinto, hable con el corazón y prepárese para que se reconozca su talento.</translation>
    </message>
    <message>
        <source>You need to express yourself better. Say plainly what you need from others at home and at work, and put your plans on paper so that they become firm and real.</source>
        <translation>Debe expresarse mejor. Diga con claridad lo que necesita de los demás en casa y en el trabajo, y ponga sus planes por escrito para que se vuelvan firmes y reales.</translation>
    </message>
    <message>
        <source>You have achieved your goals in one part of your life; now bring the same discipline to the rest. Order your days, keep your promises and the foundations will hold.</source>
        <translation>Ha alcanzado sus metas en un ámbito de su vida; ahora aplique la misma disciplina al resto. Organice sus días, cumpla sus promesas y los cimientos se mantendrán firmes.</translation>
    </message>
    <message>
        <source>Do not be secretive and keep your plans hidden. Be open about the changes you want to make.</source>
        <translation>No actúe con secretismo ni oculte sus planes. Hable abiertamente de los cambios que quiere hacer.</translation>
    </message>
    <message>
        <source>You are keeping too much to yourself. Share your thoughts and let a friend help you decide.</source>
        <translation>Se guarda demasiadas cosas para sí. Comparta sus pensamientos y deje que un amigo le ayude a decidir.</translation>
    </message>
    <message>
        <source>You are spending too much time on restless pursuits. Slow down and choose what really matters.</source>
        <translation>Dedica demasiado tiempo a ir de una actividad a otra sin descanso. Baje el ritmo y elija lo que de verdad importa.</translation>
    </message>
    <message>
        <source>You have given a lot of love and care to others. Now allow them to give something back to you, and accept their kindness without feeling that you owe them anything.</source>
        <translation>Ha dado mucho amor y cuidado a los demás. Ahora permita que ellos le devuelvan algo y acepte su cariño sin sentir que les debe nada.</translation>
    </message>
    <message>
        <source>Don&apos;t be in a hurry to take on every responsibility that is offered. Help where you are truly needed, and keep enough time and energy for your own home and heart.</source>
        <translation>No se apresure a asumir todas las responsabilidades que le ofrezcan. Ayude donde de verdad le necesiten y reserve tiempo y energía suficientes para su propio hogar y su corazón.</translation>
    </message>
    <message>
        <source>Use the skills and knowledge you have gained to serve your community. Teaching, healing or simply listening well will bring harmony to you and to those you touch.</source>
        <translation>Ponga las habilidades y los conocimientos que ha adquirido al servicio de su comunidad. Enseñar, sanar o simplemente saber escuchar le traerá armonía a usted y a aquellos a quienes llegue.</translation>
    </message>
    <message>
        <source>You will do good to work alone for a while. Study a subject that fascinates you, keep a journal of your thoughts, and trust the wisdom that grows out of solitude.</source>
        <translation>Le hará bien trabajar a solas durante un tiempo. Estudie un tema que le fascine, lleve un diario de sus reflexiones y confíe en la sabiduría que nace de la soledad.</translation>
    </message>
    <message>
        <source>Spirituality and belief go hand in hand for you now. Set time aside for prayer or meditation, and read the works that feed your soul. Do not be troubled if others fail to understand; your inner search will lead you to a deeper truth.</source>
        <translation>La espiritualidad y la fe van ahora de la mano para usted. Reserve tiempo para la oración o la meditación, y lea las obras que alimentan su alma. No se inquiete si otros no le comprenden; su búsqueda interior le llevará a una verdad más profunda.</translation>
    </message>
    <message>
        <source>You will get great joy by using your success to help those who have less. Manage your money with care and be fair in every dealing. Power used with kindness will grow, while power used selfishly will slip through your fingers.</source>
        <translation>Sentirá una gran alegría al usar su éxito para ayudar a quienes tienen menos. Administre su dinero con cuidado y actúe con justicia en todos sus tratos. El poder usado con bondad crecerá; usado con egoísmo, se le escapará de entre los dedos.</translation>
    </message>
    <message>
        <source>Do you expect something in return for every favour? Give freely and the reward will find you.</source>
        <translation>¿Espera algo a cambio de cada favor? Dé con generosidad y la recompensa le llegará sola.</translation>
    </message>
    <message>
        <source>Finish projects that you have left undone before you begin anything new. Clear away what no longer serves you, forgive old hurts and say your goodbyes with grace. An ending now makes room for a better chapter that is about to begin.</source>
        <translation>Termine los proyectos que ha dejado a medias antes de empezar algo nuevo. Deshágase de lo que ya no le sirve, perdone las viejas heridas y despídase con elegancia. Un final ahora deja espacio a un capítulo mejor que está a punto de comenzar.</translation>
    </message>
    <message>
        <source>Things may seem completed but in truth one last task remains. Look back over your recent work, tie up the loose ends, and only then rest and celebrate what you did.</source>
        <translation>Puede que las cosas parezcan terminadas, pero en realidad queda una última tarea. Repase su trabajo reciente, ate los cabos sueltos y solo entonces descanse y celebre lo que ha logrado.</translation>
    </message>
    <message>
        <source>Concentrate and pray to God. All the guidance you need will come through faith and inner stillness.</source>
        <translation>Concéntrese y rece a Dios. Toda la orientación que necesita le llegará a través de la fe y la quietud interior.</translation>
    </message>
    <message>
        <source>Learn to speak for yourself and your beliefs. Your voice can inspire others; do not hide it.</source>
        <translation>Aprenda a hacerse oír y a defender sus creencias. Su voz puede inspirar a otros; no la oculte.</translation>
    </message>
    <message>
        <source>Combine your daily routine with your spiritual practice, and every ordinary task becomes a prayer.</source>
        <translation>Combine su rutina diaria con su práctica espiritual, y cada tarea corriente se convertirá en una oración.</translation>
    </message>
    <message>
        <source>You will need to recognize how strongly your moods affect others. Guard your nerves, rest when you feel overwhelmed, and let your calm become a light for those around you.</source>
        <translation>Tendrá que reconocer hasta qué punto sus estados de ánimo afectan a los demás. Cuide sus nervios, descanse cuando todo le desborde y deje que su calma sea una luz para quienes le rodean.</translation>
    </message>
    <message>
        <source>Learn to let go of the fears that hold back your vision. Your intuition is sound; act on it with courage and you will see your ideals take shape in the world.</source>
        <translation>Aprenda a soltar los miedos que frenan su visión. Su intuición es acertada: actúe según ella con valentía y verá cómo sus ideales toman forma en el mundo.</translation>
    </message>
    <message>
        <source>Your spiritual interests will bring you into contact with people who share your ideals. Welcome them, learn from them, and together you can achieve something of lasting worth.</source>
        <translation>Sus intereses espirituales le pondrán en contacto con personas que comparten sus ideales. Acójalas, aprenda de ellas y juntos podrán lograr algo de valor duradero.</translation>
    </message>
    <message>
        <source>You have good leadership qualities. Use them to build something that will benefit many people, not only yourself. Think on a grand scale, but plan every detail with patience. Others will follow you if you stay honest, practical and true to your vision.</source>
        <translation>Tiene buenas dotes de liderazgo. Úselas para construir algo que beneficie a muchos, no solo a usted. Piense a lo grande, pero planifique cada detalle con paciencia. Le seguirán si actúa con honestidad y sentido práctico y se mantiene fiel a su visión.</translation>
    </message>
    <message>
        <source>Spread love and gain lots more in return. Your kindness now can change many lives for the better.</source>
        <translation>Difunda amor y recibirá mucho más a cambio. Su bondad puede cambiar ahora muchas vidas para mejor.</translation>
    </message>
</context>
<context>
    <name>NumberDescription</name>
    <message>
        <source>Do not waste your energy. Use this quiet time to rest and gather your strength before you act.</source>
        <translation>No malgaste su energía. Aproveche este tiempo de calma para descansar y reunir fuerzas antes de actuar.</translation>
    </message>
    <message>
        <source>Use your energies for achieving your own goals. Take the first step alone and trust your will.</source>
        <translation>Emplee sus energías en alcanzar sus propias metas. Dé el primer paso en solitario y confíe en su voluntad.</translation>
    </message>
    <message>
        <source>This is a good time to start working with others. Listen closely, be patient with those around you, and let gentle cooperation carry you where force cannot.</source>
        <translation>Es un buen momento para empezar a trabajar con otras personas. Escuche con atención, tenga paciencia con quienes le rodean y deje que la cooperación amable le lleve adonde la fuerza no llega.</translation>
    </message>
    <message>
        <source>The keyword for this number is expression. Speak, write or create, and let your joy be seen.</source>
        <translation>La palabra clave de este número es expresión. Hable, escriba o cree, y deje que se vea su alegría.</translation>
    </message>
    <message>
        <source>You need to balance the various parts of your life before you build on them. Put your work, your home and your health in order, one patient step at a time. A steady routine and honest effort will give you the firm ground you need, so do not look for shortcuts now.</source>
        <translation>Necesita equilibrar los distintos ámbitos de su vida antes de construir sobre ellos. Ponga en orden su trabajo, su hogar y su salud, paso a paso y con paciencia. Una rutina estable y un esfuerzo honesto le darán la base firme que necesita, así que no busque atajos ahora.</translation>
    </message>
    <message>
        <source>You will have a lot to deal with as changes arrive quickly. Stay flexible, welcome new experiences and keep your freedom without losing sight of your duties.</source>
        <translation>Tendrá que hacer frente a muchas cosas, porque los cambios llegan deprisa. Manténgase flexible, acoja las experiencias nuevas y conserve su libertad sin perder de vista sus obligaciones.</translation>
    </message>
    <message>
        <source>This is the time to expand your love and care to your family and community. Others will turn to you for support and advice, so give it warmly but do not carry every burden yourself. Harmony at home will bring you the peace that lets the rest of your life grow.</source>
        <translation>Es el momento de extender su amor y sus cuidados a su familia y a su comunidad. Los demás acudirán a usted en busca de apoyo y consejo: ofrézcalos con cariño, pero no lleve todo el peso sobre sus hombros. La armonía en el hogar le dará la paz que permite crecer al resto de su vida.</translation>
    </message>
    <message>
        <source>This is a very spiritual number. Step back from the noise of daily life and spend time alone in study, thought and prayer. The answers you seek lie within you, and they will come to you through quiet reflection rather than through the opinions of other people.</source>
        <translation>Es un número muy espiritual. Aléjese del ruido de la vida diaria y dedique tiempo a estar a solas para estudiar, reflexionar y rezar. Las respuestas que busca están en su interior y le llegarán a través de la reflexión serena, no de las opiniones de los demás.</translation>
    </message>
    <message>
        <source>Give till you can give no more, and you will find that abundance returns to you. This is a number of power and material reward, so use your authority wisely and fairly. Money and success will follow honest work, but remember that what you share matters more than what you keep.</source>
        <translation>Dé hasta que no pueda dar más y descubrirá que la abundancia vuelve a usted. Es un número de poder y de recompensa material, así que ejerza su autoridad con sabiduría y justicia. El dinero y el éxito llegarán con el trabajo honrado, pero recuerde que lo que comparte importa más que lo que guarda.</translation>
    </message>
    <message>
        <source>Stop making excuses and complete the tasks you have begun. Let go of the past and forgive freely.</source>
        <translation>Deje de poner excusas y termine las tareas que ha empezado. Suelte el pasado y perdone sin reservas.</translation>
    </message>
    <message>
        <source>This is a spiritual number. You are being called to inspire others through your intuition and your faith. Trust the flashes of insight that come to you, even when others doubt them. Your sensitivity is a gift, so protect your calm and share your vision with kindness.</source>
        <translation>Es un número espiritual. Su misión es inspirar a los demás con su intuición y su fe. Confíe en los destellos de lucidez que le lleguen, aunque otros duden de ellos. Su sensibilidad es un don: proteja su calma y comparta su visión con amabilidad.</translation>
    </message>
    <message>
        <source>You will be spiritually aware and able to turn great dreams into real and lasting works. Plan with care, think of the many, and build something that will serve others.</source>
        <translation>Tendrá conciencia espiritual y será capaz de convertir grandes sueños en obras reales y duraderas. Planifique con cuidado, piense en el bien común y construya algo que sirva a los demás.</translation>
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
        <translation>Aguamarina</translation>
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
        <translation>Heliotropo, jaspe, ónix</translation>
    </message>
    <message>
        <source>Malachite, Diamond</source>
        <translation>Malaquita, diamante</translation>
    </message>
    <message>
        <source>Howlite, Tiger&apos;s Eye</source>
        <translation>Howlita, ojo de tigre</translation>
    </message>
    <message>
        <source>Ruby, Sapphire</source>
        <translation>Rubí, zafiro</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Lapislázuli</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topacio</translation>
    </message>
    <message>
        <source>Garnet, Peridot</source>
        <translation>Granate, peridoto</translation>
    </message>
    <message>
        <source>Lepidolite</source>
        <translation>Lepidolita</translation>
    </message>
    <message>
        <source>Moonstone, Sunstone, Amazonite</source>
        <translation>Piedra de luna, piedra de sol, amazonita</translation>
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
        <translation>Lágrima apache, obsidiana nevada</translation>
    </message>
    <message>
        <source>Fluorite</source>
        <translation>Fluorita</translation>
    </message>
    <message>
        <source>Jade, Opal</source>
        <translation>Jade, ópalo</translation>
    </message>
    <message>
        <source>Hematite, Pyrite</source>
        <translation>Hematites, pirita</translation>
    </message>
    <message>
        <source>Tourmalinated Quartz</source>
        <translation>Cuarzo turmalinado</translation>
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
        <translation>Cuarzo rosa, cuarzo lavanda</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amatista</translation>
    </message>
    <message>
        <source>Citrine</source>
        <translation>Citrino</translation>
    </message>
    <message>
        <source>Black Quartz</source>
        <translation>Cuarzo negro</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Aventurina</translation>
    </message>
    <message>
        <source>Blue Quartz, Celestite</source>
        <translation>Cuarzo azul, celestina</translation>
    </message>
    <message>
        <source>Tourmaline</source>
        <translation>Turmalina</translation>
    </message>
    <message>
        <source>Moldavite, Phenacite, Dioptase</source>
        <translation>Moldavita, fenaquita, dioptasa</translation>
    </message>
</context>
<context>
    <name>Totem</name>
    <message>
        <source>Turtle, Dolphin</source>
        <translation>Tortuga, delfín</translation>
    </message>
    <message>
        <source>Eagle, Otter</source>
        <translation>Águila, nutria</translation>
    </message>
    <message>
        <source>Wolf, Dog</source>
        <translation>Lobo, perro</translation>
    </message>
    <message>
        <source>Deer, Ant</source>
        <translation>Ciervo, hormiga</translation>
    </message>
    <message>
        <source>Horse, Swan</source>
        <translation>Caballo, cisne</translation>
    </message>
    <message>
        <source>Squirrel, Hummingbird</source>
        <translation>Ardilla, colibrí</translation>
    </message>
    <message>
        <source>Beaver, Elk</source>
        <translation>Castor, uapití</translation>
    </message>
    <message>
        <source>Buffalo, Raven</source>
        <translation>Bisonte, cuervo</translation>
    </message>
    <message>
        <source>Hawk, Spider</source>
        <translation>Halcón, araña</translation>
    </message>
    <message>
        <source>Butterfly, Antelope</source>
        <translation>Mariposa, antílope</translation>
    </message>
    <message>
        <source>Bear, Bat</source>
        <translation>Oso, murciélago</translation>
    </message>
    <message>
        <source>Mountain Lion, Turkey</source>
        <translation>Puma, pavo</translation>
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
        <translation>Ver más detalles</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>dicemere::CastingPage</name>
    <message>
        <source>inside the circle</source>
        <translation>dentro del círculo</translation>
    </message>
    <message>
        <source>on the border of the circle</source>
        <translation>en el borde del círculo</translation>
    </message>
    <message>
        <source>outside the circle</source>
        <translation>fuera del círculo</translation>
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
            <numerusform>Ha hecho %1 de %n lanzamiento</numerusform>
            <numerusform>Ha hecho %1 de %n lanzamientos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Get My Enochian Numerology Result</source>
        <translation>&amp;Ver mi resultado de numerología enoquiana</translation>
    </message>
    <message>
        <source>Dice %1 is in the border of the circle. Please recast it.</source>
        <translation>El dado %1 ha caído en el borde del círculo. Vuelva a lanzarlo.</translation>
    </message>
</context>
<context>
    <name>dicemere::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visitar %1 ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomiende a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recomendar a un &amp;amigo</translation>
    </message>
    <message>
        <source>More Programs From Example</source>
        <translation>Más programas de Example</translation>
    </message>
    <message>
        <source>Enjoyed Dicemere? The makers of www.example.com publish a whole range of small, friendly programs for astrology, tarot, numerology and everyday divination, and every one of them is free to try. Follow the link below to browse the Example Apps catalogue and find your next favourite.</source>
        <translation>¿Le ha gustado Dicemere? Los creadores de www.example.com publican toda una gama de programas pequeños y sencillos de astrología, tarot, numerología y adivinación cotidiana, y todos se pueden probar gratis. Siga el enlace de abajo para explorar el catálogo de Example Apps y encontrar su próximo favorito.</translation>
    </message>
    <message>
        <source>Click Here To Visit Example Apps</source>
        <translation>Haga clic para ver Example Apps</translation>
    </message>
    <message>
        <source>Visit www.example.com often. Every visit to our mystic discussion forum helps us keep free programs like Dicemere alive and up to date.</source>
        <translation>Visite www.example.com a menudo. Cada visita a nuestro foro de debate místico nos ayuda a mantener vivos y actualizados programas gratuitos como Dicemere.</translation>
    </message>
    <message>
        <source>Please drop in at the www.example.com discussion forum regularly. Your visits are what keep programs like this one maintained and free.</source>
        <translation>Pásese con regularidad por el foro de debate de www.example.com. Sus visitas son lo que mantiene programas como este actualizados y gratuitos.</translation>
    </message>
    <message>
        <source>Like Dicemere? Come and talk with other seekers at www.example.com every week: the forum&apos;s visitors are what pay for programs like this one.</source>
        <translation>¿Le gusta Dicemere? Venga cada semana a conversar con otros buscadores en www.example.com: los visitantes del foro son quienes costean programas como este.</translation>
    </message>
    <message>
        <source>Make www.example.com a regular stop. Each visit to our forum supports the upkeep of Dicemere and our other free programs.</source>
        <translation>Haga de www.example.com una parada habitual. Cada visita a nuestro foro contribuye al mantenimiento de Dicemere y de nuestros demás programas gratuitos.</translation>
    </message>
</context>
<context>
    <name>dicemere::FrontPage</name>
    <message>
        <source>Focus yourself on the problem on hand cast the dice.</source>
        <translation>Concéntrese en su problema y lance los dados.</translation>
    </message>
    <message>
        <source>Choose number of dice to throw</source>
        <translation>Elija cuántos dados lanzar</translation>
    </message>
    <message>
        <source>&amp;Concentrate on your Problem And Cast the Dice</source>
        <translation>&amp;Concéntrese en su problema y lance los dados</translation>
    </message>
</context>
<context>
    <name>dicemere::IconPicture</name>
    <message>
        <source>Dicemere icon</source>
        <translation>Icono de Dicemere</translation>
    </message>
</context>
<context>
    <name>dicemere::MainWindow</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>El foro de debate místico más popular de Internet. Haga clic para visitar %1 ahora.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Personalice este programa con la marca de su sitio y gane fidelidad y tráfico. Ponga aquí el nombre &amp;&amp; enlace de su sitio. Consulte la «Ayuda» para más detalles. Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>%1 Click here for more details.</source>
        <translation>%1 Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en línea</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
</context>
<context>
    <name>dicemere::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduzca direcciones de correo electrónico distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduzca un correo electrónico válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduzca su correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduzca su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduzca el nombre de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduzca el correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo electrónico no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>dicemere::ReminderMessages</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Puede que haya una actualización disponible para este programa.
¿Desea buscar actualizaciones?</translation>
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
        <translation>Descripción del número enoquiano</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Piedra</translation>
    </message>
    <message>
        <source>Totem</source>
        <translation>Tótem</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Hierba</translation>
    </message>
    <message>
        <source>Essential Oil</source>
        <translation>Aceite esencial</translation>
    </message>
    <message>
        <source>Flower Remedy</source>
        <translation>Remedio floral</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Copy Reading</source>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <source>Dice %1: the combination %2 gives %3</source>
        <translation>Dados: %1; la combinación %2 da %3</translation>
    </message>
    <message>
        <source>Dice %1: total %2</source>
        <translation>Dados: %1; la suma es %2</translation>
    </message>
</context>
<context>
    <name>dicemere::SharedTexts</name>
    <message>
        <source>Dicemere is a method of numerology divination that relates dice and numbers to help you find solutions to your problems.</source>
        <translation>Dicemere es un método de adivinación numerológica que relaciona dados y números para ayudarle a encontrar soluciones a sus problemas.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Trabaje desde casa: monte su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web.</translation>
    </message>
</context>
<context>
    <name>dicemere::StartupMessages</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya se está ejecutando</translation>
    </message>
</context>
</TS>
