<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to visit %1 today</source>
        <translation>Besuchen Sie noch heute %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software ganz unter Ihrer Marke für Ihre Website.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Hier klicken für Details.</translation>
    </message>
    <message>
        <source>%1 is a simple and effective software that aims to help people improve their psychic abilities. Everyone is born with intuition but may not be aware of it to be able to exercise this ability. Using this software will help a person know his inner self better and help people. It comes to you from Quendrel Softwares.</source>
        <translation>%1 ist eine einfache und wirkungsvolle Software, die Menschen helfen soll, ihre übersinnlichen Fähigkeiten zu verbessern. Jeder Mensch wird mit Intuition geboren, ist sich dessen aber oft nicht bewusst und kann diese Fähigkeit daher nicht üben. Mit dieser Software lernen Sie Ihr Inneres besser kennen und können anderen helfen. %1 stammt von Quendrel Softwares.</translation>
    </message>
</context>
<context>
    <name>BeginnerPanel</name>
    <message>
        <source>Think Deeply and Click On a Symbol</source>
        <translation>Erfühlen Sie das richtige Symbol</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Punktestand</translation>
    </message>
</context>
<context>
    <name>Branding</name>
    <message>
        <source>Join the friendly Quendrel forum! Share your psychic experiences. Visit %1/forum today.</source>
        <translation>Kommen Sie ins freundliche Quendrel-Forum! Teilen Sie Ihre übersinnlichen Erlebnisse. Besuchen Sie noch heute %1/forum.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Diese Software im Co-Branding für Ihre Website: mehr Kundenbindung und mehr Besucher. Name &amp;&amp; Link Ihrer Website stehen dann hier. Details unter „Hilfe“. Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software ganz unter Ihrer Marke. Hier klicken für Details.</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Quendrel Softwares makes simple, fun and informative programs about astrology, psychic abilities, tarot, numerology and the occult. Read your horoscope, test your intuition, draw the tarot cards or find the hidden meaning of your numbers, all with a few clicks. Every reading comes with clear and friendly explanations that anyone can follow.

Download our other programs today and try them for yourself. If you enjoy them, please tell your friends and family about Quendrel Softwares, so that they can share the fun and learn something new about themselves too!</source>
        <translation>Quendrel Softwares entwickelt einfache, unterhaltsame und informative Programme zu Astrologie, übersinnlichen Fähigkeiten, Tarot, Numerologie und Okkultismus. Lesen Sie Ihr Horoskop, testen Sie Ihre Intuition, legen Sie Tarotkarten oder ergründen Sie die verborgene Bedeutung Ihrer Zahlen – mit wenigen Klicks, klar und freundlich erklärt.

Laden Sie noch heute unsere anderen Programme herunter und probieren Sie sie aus! Gefallen sie Ihnen, dann erzählen Sie Freunden und Familie davon – damit auch sie Spaß haben und Neues über sich erfahren.</translation>
    </message>
    <message>
        <source>Download Quendrel Softwares</source>
        <translation>Quendrel Softwares: Downloads</translation>
    </message>
    <message>
        <source>Click Here To Visit Quendrel Softwares</source>
        <translation>Besuchen Sie Quendrel Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Besuchen Sie jetzt %1</translation>
    </message>
    <message>
        <source>Please help us to maintain and develop our free programs: just visit our discussion web site %1/forum regularly and take part in the discussions. Your visits and your posts will keep all of our programs alive.</source>
        <translation>Bitte helfen Sie uns, unsere kostenlosen Programme zu pflegen und weiterzuentwickeln: Besuchen Sie regelmäßig %1/forum und diskutieren Sie mit. Ihre Besuche und Beiträge halten all unsere Programme am Leben.</translation>
    </message>
    <message>
        <source>Help Quendrel Softwares maintain and develop this program! Visit our discussion web site %1/forum regularly and take part in the discussions. Each visit helps us keep on improving our software.</source>
        <translation>Helfen Sie Quendrel Softwares, dieses Programm zu pflegen und weiterzuentwickeln! Besuchen Sie regelmäßig unser Forum %1/forum und diskutieren Sie mit. Jeder Besuch hilft uns, unsere Software weiter zu verbessern.</translation>
    </message>
    <message>
        <source>You can help us maintain and develop our programs simply by visiting our discussion web site, %1/forum, on a regular basis. Thank you so much!</source>
        <translation>Sie können uns bei Pflege und Weiterentwicklung unserer Programme helfen, indem Sie einfach regelmäßig unser Diskussionsforum %1/forum besuchen. Vielen herzlichen Dank!</translation>
    </message>
    <message>
        <source>Enjoyed this program? Help us maintain and develop it further: visit our discussion web site %1/forum regularly and take part in the discussions. Thank you for your kind support!</source>
        <translation>Gefällt Ihnen dieses Programm? Helfen Sie uns, es zu pflegen und weiterzuentwickeln: Besuchen Sie regelmäßig unser Diskussionsforum %1/forum und diskutieren Sie mit. Danke für Ihre Unterstützung!</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
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
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
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
        <source>Your Message
</source>
        <translation>Ihre Nachricht
</translation>
    </message>
</context>
<context>
    <name>ExpertPanel</name>
    <message>
        <source>Think Deeply and Click On a Symbol</source>
        <translation>Erfühlen Sie das richtige Symbol</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Punktestand</translation>
    </message>
</context>
<context>
    <name>GuessHistory</name>
    <message>
        <source>There is no folder for the program&apos;s data on this computer.</source>
        <translation>Auf diesem Computer gibt es keinen Ordner für die Daten des Programms.</translation>
    </message>
    <message>
        <source>The SQLite database driver of Qt is not installed.</source>
        <translation>Der SQLite-Datenbanktreiber von Qt ist nicht installiert.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Der Ordner %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The history file %1 was written by a newer version of this program.</source>
        <translation>Die Verlaufsdatei %1 wurde von einer neueren Version dieses Programms geschrieben.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be opened: %2</source>
        <translation>Die Verlaufsdatei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The history file %1 cannot be written: %2</source>
        <translation>Die Verlaufsdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the file failed its integrity check</source>
        <translation>die Datei hat die Integritätsprüfung nicht bestanden</translation>
    </message>
    <message>
        <source>the file holds no guess history</source>
        <translation>die Datei enthält keinen Verlauf von Versuchen</translation>
    </message>
    <message>
        <source>the file has no version</source>
        <translation>die Datei hat keine Versionsangabe</translation>
    </message>
    <message>
        <source>the file has an unknown version</source>
        <translation>die Datei hat eine unbekannte Version</translation>
    </message>
    <message>
        <source>The history file %1 is not usable (%2), and the folder %3 is read-only.</source>
        <translation>Die Verlaufsdatei %1 ist nicht verwendbar (%2), und der Ordner %3 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The history file %1 is not usable and cannot be moved aside: %2</source>
        <translation>Die Verlaufsdatei %1 ist nicht verwendbar und kann nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>The history file %1 cannot be brought up to date: %2</source>
        <translation>Die Verlaufsdatei %1 kann nicht auf den neuen Stand gebracht werden: %2</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>die Datei gehört zu einem anderen Programm</translation>
    </message>
    <message>
        <source>the file is empty and read-only</source>
        <translation>die Datei ist leer und schreibgeschützt</translation>
    </message>
    <message>
        <source>the history file is read-only</source>
        <translation>die Verlaufsdatei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the export was cancelled</source>
        <translation>der Export wurde abgebrochen</translation>
    </message>
    <message>
        <source>another program is reading the history</source>
        <translation>ein anderes Programm liest gerade den Verlauf</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>another program holds the history locked</source>
        <translation>ein anderes Programm hält den Verlauf gesperrt</translation>
    </message>
    <message>
        <source>the history file cannot be opened (no permission, or not a file)</source>
        <translation>die Verlaufsdatei kann nicht geöffnet werden (keine Berechtigung, oder keine Datei)</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger hat einen Fehler gemeldet</translation>
    </message>
</context>
<context>
    <name>HistoryKeeper</name>
    <message>
        <source>the history cannot be written</source>
        <translation>der Verlauf kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>HitRateChart</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>guesses</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>No guesses stored at this level yet.</source>
        <translation>Auf dieser Stufe sind noch keine Versuche gespeichert.</translation>
    </message>
    <message>
        <source>your running hit rate</source>
        <translation>Ihre Trefferquote im Verlauf</translation>
    </message>
    <message>
        <source>chance alone (%1%)</source>
        <translation>Zufall allein (%1 %)</translation>
    </message>
    <message>
        <source>no verdict inside this band</source>
        <translation>keine Bewertung innerhalb dieses Bands</translation>
    </message>
</context>
<context>
    <name>IntermediatePanel</name>
    <message>
        <source>Think Deeply and Click On a Symbol</source>
        <translation>Erfühlen Sie das richtige Symbol</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Punktestand</translation>
    </message>
</context>
<context>
    <name>LevelDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select an Option</source>
        <translation>Wählen Sie eine Stufe</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Mittelstufe</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Improve your Psychic Abilities by taking the %1 Software</source>
        <translation>Stärken Sie Ihre Intuition mit %1</translation>
    </message>
    <message>
        <source>Please Select An option</source>
        <translation>Bitte wählen Sie eine Stufe.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Please Wait ...</source>
        <translation>Bitte warten ...</translation>
    </message>
    <message>
        <source>%1 is generating the Result for You.......</source>
        <translation>%1 ermittelt Ihr Ergebnis .......</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Score...</source>
        <translation>Punktestand...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>Level of Difficulty...</source>
        <translation>Schwierigkeitsgrad...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber diese Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>ResultDialog</name>
    <message>
        <source>This is the Right Answer! Now take a deep breath, relax your mind and aim to predict the right answer again.</source>
        <translation>Das ist die richtige Antwort! Atmen Sie tief durch, entspannen Sie sich und versuchen Sie, wieder richtig zu liegen.</translation>
    </message>
    <message>
        <source>Incorrect: Don&apos;t lose hope! Relax, take a deep breath, keep a calm mind and guess again.</source>
        <translation>Falsch. Nicht aufgeben! Entspannen Sie sich, atmen Sie tief durch, bleiben Sie ruhig und raten Sie erneut.</translation>
    </message>
    <message>
        <source>TRY AGAIN</source>
        <translation>NEUER VERSUCH</translation>
    </message>
</context>
<context>
    <name>ScorePage</name>
    <message>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>ScoreReport</name>
    <message numerus="yes">
        <source>%n Correct Out Of </source>
        <translation>
            <numerusform>%n Treffer bei </numerusform>
            <numerusform>%n Treffer bei </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Attempts</source>
        <translation>
            <numerusform>%n Versuch</numerusform>
            <numerusform>%n Versuchen</numerusform>
        </translation>
    </message>
    <message>
        <source>Beginner level :-  </source>
        <translation>Anfängerstufe :-  </translation>
    </message>
    <message>
        <source>Intermediate Level :-  </source>
        <translation>Mittelstufe :-  </translation>
    </message>
    <message>
        <source>Expert level :-  </source>
        <translation>Expertenstufe :-  </translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
</context>
<context>
    <name>StatisticsTexts</name>
    <message>
        <source>Intermediate</source>
        <translation>Mittelstufe</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>1 in %1 (%2)</source>
        <translation>1 von %1 (%2)</translation>
    </message>
    <message>
        <source>consistent with chance</source>
        <translation>im Rahmen des Zufalls</translation>
    </message>
    <message>
        <source>not enough guesses yet</source>
        <translation>noch zu wenige Versuche</translation>
    </message>
    <message>
        <source>%1: no guesses stored yet; chance alone gives %2.</source>
        <translation>%1: noch keine Versuche gespeichert; der Zufall allein ergibt %2.</translation>
    </message>
    <message>
        <source>%1–%2%</source>
        <translation>%1–%2 %</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Prozentpunkte</translation>
    </message>
    <message>
        <source>better than chance</source>
        <translation>besser als der Zufall</translation>
    </message>
    <message>
        <source>worse than chance</source>
        <translation>schlechter als der Zufall</translation>
    </message>
    <message>
        <source>1 million</source>
        <translation>1 Million</translation>
    </message>
    <message>
        <source>%1 million</source>
        <translation>%1 Millionen</translation>
    </message>
    <message>
        <source>1 billion</source>
        <translation>1 Milliarde</translation>
    </message>
    <message>
        <source>%1 billion</source>
        <translation>%1 Milliarden</translation>
    </message>
    <message>
        <source>1 trillion</source>
        <translation>1 Billion</translation>
    </message>
    <message>
        <source>%1 trillion</source>
        <translation>%1 Billionen</translation>
    </message>
    <message>
        <source>10^%1</source>
        <translation>10^%1</translation>
    </message>
    <message>
        <source>a pure guesser does at least this well in fewer than 1 of %1 such series</source>
        <translation>wer nur rät, schneidet in weniger als 1 von %1 solchen Reihen mindestens so gut ab</translation>
    </message>
    <message>
        <source>a pure guesser does at most this well in fewer than 1 of %1 such series</source>
        <translation>wer nur rät, schneidet in weniger als 1 von %1 solchen Reihen höchstens so gut ab</translation>
    </message>
    <message>
        <source>a pure guesser does at least this well in about 1 of %1 such series</source>
        <translation>wer nur rät, schneidet in etwa 1 von %1 solchen Reihen mindestens so gut ab</translation>
    </message>
    <message>
        <source>a pure guesser does at most this well in about 1 of %1 such series</source>
        <translation>wer nur rät, schneidet in etwa 1 von %1 solchen Reihen höchstens so gut ab</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Fixed-sample tails, for one look at this many guesses (not the verdict):</source>
        <translation>Wahrscheinlichkeiten bei fester Versuchszahl, für einen einzigen Blick auf so viele Versuche (nicht die Bewertung):</translation>
    </message>
    <message>
        <source>Power: a user whose true hit rate is 5 points above chance gets the verdict &quot;better than chance&quot; after a median of %1 guesses at Beginner, %2 at Intermediate and %3 at Expert.</source>
        <translation>Trennschärfe: Wer tatsächlich 5 Prozentpunkte über dem Zufall liegt, erhält die Bewertung „besser als der Zufall“ im Median nach %1 Versuchen als Anfänger, %2 in der Mittelstufe und %3 als Experte.</translation>
    </message>
    <message>
        <source>The verdict may be looked at after every guess: for someone who only guesses, the chance that any level ever shows &quot;better than chance&quot; or &quot;worse than chance&quot; is at most 5%, however many guesses they make, counted since the history was last cleared. Forget History, or a damaged history file set aside, starts the evidence over. This assumes every draw is uniform, which it is to within 1e-7. The 95% intervals and the tails above hold for one look at a fixed number of guesses, so they can leave chance out while the verdict, rightly, does not.</source>
        <translation>Die Bewertung darf nach jedem Versuch angesehen werden: Wer nur rät, sieht auf irgendeiner Stufe jemals „besser als der Zufall“ oder „schlechter als der Zufall“ mit einer Wahrscheinlichkeit von höchstens 5 %, wie viele Versuche es auch werden, gezählt seit der Verlauf zuletzt geleert wurde. Verlauf löschen, oder eine beschädigte Verlaufsdatei, die beiseitegelegt wurde, lässt die Beweislage von vorn beginnen. Das setzt voraus, dass jede Ziehung gleichverteilt ist, was sie bis auf 1e-7 genau ist. Die 95-%-Intervalle und die Wahrscheinlichkeiten oben gelten für einen einzigen Blick auf eine feste Zahl von Versuchen; sie können den Zufall ausschließen, während die Bewertung es zu Recht nicht tut.</translation>
    </message>
    <message>
        <source>%1: the running hit rate over %2 stored guesses ends at %3, against %4 by chance alone; along the way it ran from %5 to %6. At the last guess the verdict says nothing between %7 and %8.</source>
        <translation>%1: Die Trefferquote im Verlauf über %2 gespeicherte Versuche endet bei %3, gegenüber %4 durch Zufall allein; unterwegs lag sie zwischen %5 und %6. Beim letzten Versuch sagt die Bewertung zwischen %7 und %8 nichts.</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Hit rate</source>
        <translation>Trefferquote</translation>
    </message>
    <message>
        <source>Chance alone</source>
        <translation>Zufall allein</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>&amp;This run</source>
        <translation>&amp;Diese Sitzung</translation>
    </message>
    <message>
        <source>This run</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>&amp;All time</source>
        <translation>&amp;Insgesamt</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Running hit rate at &amp;level:</source>
        <translation>Trefferquote im Verlauf auf &amp;Stufe:</translation>
    </message>
    <message>
        <source>Chart of the running hit rate against chance</source>
        <translation>Diagramm der Trefferquote im Verlauf gegenüber dem Zufall</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Forget History...</source>
        <translation>Verlauf &amp;löschen...</translation>
    </message>
    <message>
        <source>The history of your guesses could not be read. It was moved aside to %1 and a new history has begun.</source>
        <translation>Der Verlauf Ihrer Versuche konnte nicht gelesen werden. Er wurde nach %1 verschoben, und ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>corvella-history.csv</source>
        <translation>corvella-verlauf.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The history could not be exported to %1: %2</source>
        <translation>Der Verlauf konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Forget History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>The history could not be deleted: %1</source>
        <translation>Der Verlauf konnte nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>Exporting the history to %1 ...</source>
        <translation>Der Verlauf wird nach %1 exportiert ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Forget every guess in your history? They are deleted from the history file and from its log, so that they cannot be read back, and the verdict starts over with no evidence. This cannot be undone. The score of this run stays as it is.</source>
        <translation>Alle Versuche aus Ihrem Verlauf löschen? Sie werden aus der Verlaufsdatei und aus ihrem Protokoll gelöscht, sodass sie nicht mehr gelesen werden können, und das Urteil beginnt ohne Belege von vorn. Dies kann nicht rückgängig gemacht werden. Der Punktestand dieser Sitzung bleibt erhalten.</translation>
    </message>
    <message>
        <source>Your guesses were deleted from the history file, but its log %1 could not be emptied (%2): copies of them may remain there until the program next writes to the history.</source>
        <translation>Ihre Versuche wurden aus der Verlaufsdatei gelöscht, aber ihr Protokoll %1 konnte nicht geleert werden (%2): Kopien davon können dort bleiben, bis das Programm das nächste Mal in den Verlauf schreibt.</translation>
    </message>
    <message>
        <source>95% interval
(fixed-sample)</source>
        <translation>95-%-Intervall
(feste Stichprobe)</translation>
    </message>
    <message>
        <source>Difference
from chance</source>
        <translation>Abstand
zum Zufall</translation>
    </message>
    <message>
        <source>The exact 95% interval of the hit rate, for one look at this many guesses</source>
        <translation>Das exakte 95-%-Intervall der Trefferquote, für einen einzigen Blick auf so viele Versuche</translation>
    </message>
    <message>
        <source>The hit rate less chance, in percentage points</source>
        <translation>Die Trefferquote abzüglich des Zufalls, in Prozentpunkten</translation>
    </message>
    <message>
        <source>The history cannot be read just now, so only this run&apos;s guesses are shown: %1</source>
        <translation>Der Verlauf kann gerade nicht gelesen werden, daher werden nur die Versuche dieser Sitzung gezeigt: %1</translation>
    </message>
    <message>
        <source>Rows in the history that cannot be real guesses, ignored: %1.</source>
        <translation>Zeilen im Verlauf, die keine echten Versuche sein können, nicht gezählt: %1.</translation>
    </message>
    <message>
        <source>Guesses not yet saved: %1. They count here, and are saved as soon as the history can be written again.</source>
        <translation>Noch nicht gespeicherte Versuche: %1. Sie zählen hier mit und werden gespeichert, sobald der Verlauf wieder geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Your history cannot be read or written: %1. The test goes on: the guesses of this run are kept in memory and saved as soon as the history can be written.</source>
        <translation>Ihr Verlauf kann weder gelesen noch geschrieben werden: %1. Der Test geht weiter: Die Versuche dieser Sitzung werden im Speicher behalten und gespeichert, sobald der Verlauf wieder geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>StorageNotice</name>
    <message>
        <source>Your last guess could not be saved: %1.

The test goes on. Your guesses are kept in memory and saved as soon as the history can be written again; until then the Statistics window counts them as not yet saved.</source>
        <translation>Ihr letzter Versuch konnte nicht gespeichert werden: %1.

Der Test geht weiter. Ihre Versuche werden im Speicher behalten und gespeichert, sobald der Verlauf wieder geschrieben werden kann; bis dahin zählt das Statistikfenster sie als noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>The history can be written again, and the guesses that were waiting (%1) have been saved.</source>
        <translation>Der Verlauf kann wieder geschrieben werden, und die wartenden Versuche (%1) wurden gespeichert.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Guesses of this run not yet saved: %1 (%2). The program tries once more as it ends; what cannot be saved then is lost.</source>
        <translation>Noch nicht gespeicherte Versuche dieser Sitzung: %1 (%2). Das Programm versucht es beim Beenden noch einmal; was dann nicht gespeichert werden kann, geht verloren.</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>waves</source>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>triskele</source>
        <translation>Triskele</translation>
    </message>
    <message>
        <source>knotwork square</source>
        <translation>Knotenquadrat</translation>
    </message>
    <message>
        <source>hexagram</source>
        <translation>Hexagramm</translation>
    </message>
    <message>
        <source>pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>compass wheel</source>
        <translation>Kompassrose</translation>
    </message>
    <message>
        <source>triquetra</source>
        <translation>Triquetra</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>no symbol drawn yet</source>
        <translation>noch kein Symbol gezogen</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchten Sie jetzt nach einem Update suchen?</translation>
    </message>
</context>
</TS>
