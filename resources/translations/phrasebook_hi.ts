<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
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
        <translation>वाक्यांश चलाएँ</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>प्रगति</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>स्कोर</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>समाप्त</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>सबमिट करें</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>नया संदेश</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>भेजें</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>प्रति:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>विषय:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>भेजें संदेश को आपके मेल प्रोग्राम को सौंप देता है।</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>श्रेणीबद्ध वाक्यांश</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>क्विज़</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>सेटिंग्स</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>सेटिंग्स खोलें</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>कोई माइक्रोफ़ोन नहीं मिला।</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>ध्वनि सेटिंग का कोई प्रोग्राम नहीं मिला। माइक्रोफ़ोन जोड़ें, जाँचें कि कंप्यूटर की ध्वनि सेवा चल रही है, फिर माइक्रोफ़ोन बटन को दोबारा दबाकर रखें।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>बोलने के लिए दबाकर रखें।</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>रिकॉर्डिंग</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>वाक्यांश चलाएँ</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>अपनी आवाज़ रिकॉर्ड करने के लिए दबाकर रखें</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>वाक्यांश लिखें</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>वाक्यांश छिपाएँ</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>वाक्यांश दिखाएँ</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>पिछला वाक्यांश</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>अगला वाक्यांश</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>वॉइसप्रिंट दिखाएँ</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>बोलने के लिए दबाकर रखें।</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook शुरू नहीं हो सकता</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>इंस्टॉल की गई सामग्री क्षतिग्रस्त है:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>सुनें और चुनें</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>सुनें और लिखें</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>शब्दों को क्रम में लगाएँ</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>वाक्यांश पढ़ें</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>विदेशी भाषा -&gt; मातृभाषा</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>मातृभाषा -&gt; विदेशी भाषा</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>इकाई प्रश्नोत्तरी</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>प्रश्नोत्तरी</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>%1 को रेटिंग दें</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>अगर आपको %1 का उपयोग करना अच्छा लगता है, तो क्या आप कुछ पल निकालकर इसे रेटिंग देंगे? इसमें एक मिनट से ज़्यादा नहीं लगेगा। आपके समर्थन के लिए धन्यवाद!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>अभी रेटिंग दें</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>बाद में याद दिलाएँ</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>इस कंप्यूटर पर स्टोर पेज नहीं खोला जा सकता।</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>अनुभव अंक</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>चलाने की गति</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>परीक्षा की अवधि</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>कैश साफ़ करें</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>शब्द प्रतिक्रिया</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>प्रतिक्रिया</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>और ऐप्स</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>ऐप की समीक्षा करें</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>ऐप साझा करें</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>क्या आप निश्चित हैं?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>ऐप के बारे में कुछ सुझाव</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>सफलतापूर्वक भेजा गया</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>भेजने में विफल</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Phrasebook के साथ रोज़मर्रा के अंग्रेज़ी वाक्य बोलना सीखें</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>लिंक कॉपी करें</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>मेल से भेजें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>कोई मेल प्रोग्राम शुरू नहीं हो सका।</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>मूल आवाज़</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>मेरी आवाज़</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>स्कोर</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>परीक्षा की अवधि</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>इस कंप्यूटर पर कोई प्रोग्राम %1 नहीं खोल सकता।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>अनुभव अंक</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>ऐप शुरू किया</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>सुनना</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>लिखना</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>बोलकर पढ़ना</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>क्विज़ की संख्या</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>क्विज़ स्कोर</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>ऐप की समीक्षा करें</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>क्रम बदलने के लिए शब्द को खींचें।</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>सुनाई नहीं दिया</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ /%2/ जैसा सुनाई दिया</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ स्पष्ट नहीं है</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>अभ्यास की ज़रूरत है</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>अपनी आवाज़ और फिर मूल आवाज़ सुनने के लिए टैप करें।</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>अपनी आवाज़ सुनने के लिए टैप करें।</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>मूल आवाज़ सुनने के लिए टैप करें।</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>सबमिट करें</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>कोई आवाज़ नहीं मिली</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>कोई सही शब्द नहीं मिला</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>शब्दों के क्रम में थोड़ी समस्या है</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>वापस</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>क्विज़</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>चलाएँ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>पिछला वाक्यांश</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>अगला वाक्यांश</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>धीमा</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>तेज़</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>सूची एक बार चलाएँ</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>यह वाक्यांश दोहराएँ</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>सूची दोहराएँ</translation>
    </message>
</context>
</TS>
