<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Phrasebook</source>
        <translation>Phrasebook</translation>
    </message>
</context>
<context>
    <name>BaseQuizViewController</name>
    <message>
        <source>Play the phrase</source>
        <translation>Écouter la phrase</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>Nouveau message</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Objet :</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>Envoyer transmet le message à votre programme de messagerie.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Phrases par thème</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les paramètres</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>Aucun micro n’a été trouvé.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>Aucun programme de réglages du son n’a été trouvé. Branchez un micro, vérifiez que le service audio de l’ordinateur fonctionne, puis maintenez à nouveau le bouton du micro.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Maintenez appuyé pour parler.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>Écouter la phrase</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>Maintenez appuyé pour enregistrer votre voix</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>Écrire la phrase</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>Masquer la phrase</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>Afficher la phrase</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Phrase précédente</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Phrase suivante</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>Voir l'empreinte vocale</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Maintenez appuyé pour parler.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook ne peut pas démarrer</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>Le contenu installé est endommagé :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>Écouter et choisir</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>Écouter et écrire</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>Remettre les mots en ordre</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>Lire la phrase</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>Langue étrangère -&gt; Langue maternelle</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>Langue maternelle -&gt; Langue étrangère</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>Quiz du thème</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>Évaluer %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>Si vous aimez utiliser %1, pourriez-vous prendre un moment pour l&apos;évaluer ? Cela ne prendra pas plus d&apos;une minute. Merci de votre soutien !</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Évaluer maintenant</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>La page de la boutique ne peut pas être ouverte sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Durée du quiz</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Vider le cache</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>Retour sur les mots</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>Plus d&apos;applications</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Évaluer l&apos;application</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>Partager l&apos;application</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>Quelques conseils sur l&apos;application</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>Envoyé avec succès</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Échec de l&apos;envoi</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Apprenez à parler l&apos;anglais du quotidien avec Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Aucun programme de messagerie n&apos;a pu être lancé.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>Voix originale</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>Ma voix</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>Durée du quiz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>Aucun programme de cet ordinateur ne peut ouvrir %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>Lancements</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>Écoutes</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>Lecture à voix haute</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>Quiz terminés</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Score des quiz</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Évaluer l&apos;application</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>Faites glisser le mot pour le déplacer.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>non entendu</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ sonnait comme /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ manque de netteté</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>à travailler</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>Touchez pour entendre votre voix, puis la voix originale.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>Touchez pour entendre votre voix.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>Touchez pour entendre la voix originale.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>Aucune voix détectée</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>Aucun mot correct détecté</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>Quelques problèmes dans l&apos;ordre des mots</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Phrase précédente</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Phrase suivante</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>Lire la liste une fois</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>Répéter cette phrase</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>Répéter la liste</translation>
    </message>
</context>
</TS>
