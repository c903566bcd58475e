<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Reproducir la frase</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>Mensaje nuevo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Asunto:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>Enviar pasa el mensaje a tu programa de correo.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Frases por categoría</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir ajustes</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>No se encontró ningún micrófono.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>No se encontró ningún programa de configuración de sonido. Conecta un micrófono, comprueba que el servicio de sonido del ordenador esté en marcha y vuelve a mantener pulsado el botón del micrófono.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Mantén pulsado para hablar.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabando</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>Reproducir la frase</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>Mantén pulsado para grabar tu voz</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>Escribir la frase</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>Ocultar la frase</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>Mostrar la frase</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Frase anterior</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Frase siguiente</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>Ver huella de voz</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Mantén pulsado para hablar.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook no puede iniciarse</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>El contenido instalado está dañado:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>Escuchar y elegir</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>Escuchar y escribir</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>Ordenar las palabras</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>Leer la frase</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>Idioma extranjero -&gt; Lengua materna</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>Lengua materna -&gt; Idioma extranjero</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>Cuestionario del tema</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Cuestionarios</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>Valorar %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>Si te gusta usar %1, ¿te importaría dedicar un momento a valorarlo? No te llevará más de un minuto. ¡Gracias por tu apoyo!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Valorar ahora</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>No se puede abrir la página de la tienda en este ordenador.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>Experiencia</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Duración del cuestionario</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Borrar caché</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>Comentarios por palabra</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>Más aplicaciones</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Valorar la aplicación</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>Compartir la aplicación</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Estás seguro?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>Algunas sugerencias sobre la aplicación</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>Enviado correctamente</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>No se pudo enviar</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Aprende a hablar frases cotidianas en inglés con Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>Enviar por correo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>No se pudo abrir ningún programa de correo.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>Voz original</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>Mi voz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>Duración del cuestionario</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>Ningún programa de este ordenador puede abrir %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>Experiencia</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>Inicios de la aplicación</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>Cuestionarios hechos</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Puntuación de cuestionarios</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Valorar la aplicación</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>Arrastra la palabra para reordenarla.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>no se oyó</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ sonó como /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ no es claro</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>necesita práctica</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>Toca para oír tu voz y después la voz original.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>Toca para oír tu voz.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>Toca para oír la voz original.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>No se ha detectado ninguna voz</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>No se han detectado palabras correctas</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>Hay algunos problemas en el orden de las palabras</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>Pruebas</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Frase anterior</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Frase siguiente</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>Reproducir la lista una vez</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>Repetir esta frase</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>Repetir la lista</translation>
    </message>
</context>
</TS>
