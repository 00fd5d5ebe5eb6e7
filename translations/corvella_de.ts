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
        <source>Your Message<byte value="xd"/>
</source>
        <translation>Ihre Nachricht<byte value="xd"/>
</translation>
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
        <source>The history file %1 is damaged and cannot be moved aside: %2</source>
        <translation type="vanished">Die Verlaufsdatei %1 ist beschädigt und kann nicht beiseitegelegt werden: %2</translation>
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
        <source>The history file %1 cannot be read: %2</source>
        <translation type="vanished">Die Verlaufsdatei %1 kann nicht gelesen werden: %2</translation>
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
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Please Select An option</source>
        <translation>Bitte wählen Sie eine Stufe.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Think Deeply and Click On a Symbol</source>
        <translation>Erfühlen Sie das richtige Symbol</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Punktestand</translation>
    </message>
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
        <source>about 1 in %1</source>
        <translation>etwa 1 von %1</translation>
    </message>
    <message>
        <source>about 1 in %1 million</source>
        <translation>etwa 1 von %1 Millionen</translation>
    </message>
    <message>
        <source>about 1 in %1 billion</source>
        <translation>etwa 1 von %1 Milliarden</translation>
    </message>
    <message>
        <source>about 1 in %1 trillion</source>
        <translation>etwa 1 von %1 Billionen</translation>
    </message>
    <message>
        <source>less than 1 in 10^%1</source>
        <translation>weniger als 1 von 10^%1</translation>
    </message>
    <message>
        <source>consistent with chance</source>
        <translation>im Rahmen des Zufalls</translation>
    </message>
    <message>
        <source>better than chance (%1 by luck)</source>
        <translation>besser als der Zufall (rein zufällig %1)</translation>
    </message>
    <message>
        <source>worse than chance (%1 by luck)</source>
        <translation>schlechter als der Zufall (rein zufällig %1)</translation>
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
        <source>%1: the running hit rate over %2 stored guesses ends at %3, against %4 by chance alone; along the way it ran from %5 to %6.</source>
        <translation>%1: Die Trefferquote im Verlauf über %2 gespeicherte Versuche endet bei %3, gegenüber %4 durch Zufall allein; unterwegs lag sie zwischen %5 und %6.</translation>
    </message>
    <message>
        <source>about 1 in 1 million</source>
        <translation>etwa 1 von 1 Million</translation>
    </message>
    <message>
        <source>about 1 in 1 billion</source>
        <translation>etwa 1 von 1 Milliarde</translation>
    </message>
    <message>
        <source>about 1 in 1 trillion</source>
        <translation>etwa 1 von 1 Billion</translation>
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
        <source>At least this well
by pure chance</source>
        <translation>Mindestens so gut
rein zufällig</translation>
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
        <source>The probability of doing at least this well by pure chance, with no intuition at all</source>
        <translation>Die Wahrscheinlichkeit, rein zufällig und ganz ohne Intuition mindestens so gut abzuschneiden</translation>
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
        <source>Your guesses are not being kept in this run: %1</source>
        <translation>Ihre Versuche werden in dieser Sitzung nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The history of your guesses could not be read. It was moved aside to %1 and a new history has begun.</source>
        <translation>Der Verlauf Ihrer Versuche konnte nicht gelesen werden. Er wurde nach %1 verschoben, und ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>Your guesses cannot be kept: %1. The test works as before, without a history.</source>
        <translation>Ihre Versuche können nicht gespeichert werden: %1. Der Test funktioniert wie bisher, nur ohne Verlauf.</translation>
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
        <source>time</source>
        <translation type="vanished">Zeit</translation>
    </message>
    <message>
        <source>level</source>
        <translation type="vanished">Stufe</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation type="vanished">geraten</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation type="vanished">gezogen</translation>
    </message>
    <message>
        <source>result</source>
        <translation type="vanished">Ergebnis</translation>
    </message>
    <message>
        <source>right</source>
        <translation type="vanished">richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation type="vanished">falsch</translation>
    </message>
    <message>
        <source>The history could not be exported to %1: %2</source>
        <translation>Der Verlauf konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Forget every guess in your history? This cannot be undone. The score of this run stays as it is.</source>
        <translation type="vanished">Alle Versuche aus Ihrem Verlauf löschen? Dies kann nicht rückgängig gemacht werden. Der Punktestand dieser Sitzung bleibt erhalten.</translation>
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
