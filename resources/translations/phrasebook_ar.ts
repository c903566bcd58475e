<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
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
        <translation>تشغيل العبارة</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>انتهى</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>رسالة جديدة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>الموضوع:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>يمرّر زر الإرسال الرسالة إلى برنامج البريد لديك.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>عبارات مصنفة</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>الاختبارات</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>فتح الإعدادات</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>لم يتم العثور على ميكروفون.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>لم يتم العثور على برنامج لإعدادات الصوت. صِل ميكروفونًا وتأكد من أن خدمة الصوت في الحاسوب تعمل، ثم اضغط مطولًا على زر الميكروفون مرة أخرى.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>اضغط مطولًا للتحدث.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>جارٍ التسجيل</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>تشغيل العبارة</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>اضغط مطولًا لتسجيل صوتك</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>اكتب العبارة</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>إخفاء العبارة</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>إظهار العبارة</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>العبارة السابقة</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>العبارة التالية</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>عرض البصمة الصوتية</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>اضغط مع الاستمرار للتحدث.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>تعذّر تشغيل Phrasebook</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>المحتوى المثبّت تالف:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>استمع واختر</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>استمع واكتب</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>رتّب الكلمات</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>اقرأ العبارة</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>اللغة الأجنبية -&gt; اللغة الأم</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>اللغة الأم -&gt; اللغة الأجنبية</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>اختبار الوحدة</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>اختبارات</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>قيّم %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>إذا كنت تستمتع باستخدام %1، هل تمانع في تخصيص لحظة لتقييمه؟ لن يستغرق ذلك أكثر من دقيقة. شكرًا لدعمك!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>قيّمه الآن</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>ذكّرني لاحقًا</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>لا يمكن فتح صفحة المتجر على هذا الكمبيوتر.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>نقاط الخبرة</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>سرعة التشغيل</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>مدة الاختبار</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>مسح ذاكرة التخزين المؤقت</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>ملاحظات الكلمات</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>المزيد من التطبيقات</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>قيّم التطبيق</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>مشاركة التطبيق</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>هل أنت متأكد؟</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>بعض الاقتراحات حول التطبيق</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>تم الإرسال بنجاح</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>فشل الإرسال</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>تعلّم التحدث بالعبارات الإنجليزية اليومية مع Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>نسخ الرابط</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>إرسال بالبريد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>تعذّر تشغيل أي برنامج بريد.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>الصوت الأصلي</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>صوتي</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>مدة الاختبار</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>لا يوجد برنامج على هذا الكمبيوتر يمكنه فتح %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>نقاط الخبرة</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>تشغيل التطبيق</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>الاستماع</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>الكتابة</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>القراءة بصوت عالٍ</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>عدد الاختبارات</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>نتيجة الاختبارات</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>قيّم التطبيق</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>اسحب الكلمة لإعادة ترتيبها.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>لم يُسمع</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>‏/%1/ بدا مثل /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>‏/%1/ غير واضح</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>يحتاج إلى تدريب</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>انقر لسماع صوتك، ثم الصوت الأصلي.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>انقر لسماع صوتك.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>انقر لسماع الصوت الأصلي.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>لم يتم اكتشاف أي صوت</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>لم يتم اكتشاف أي كلمات صحيحة</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>توجد بعض المشكلات في ترتيب الكلمات</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>الاختبارات</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>العبارة السابقة</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>العبارة التالية</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>أبطأ</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>أسرع</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>تشغيل القائمة مرة واحدة</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>تكرار هذه العبارة</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>تكرار القائمة</translation>
    </message>
</context>
</TS>
