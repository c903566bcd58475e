#pragma once

#include "content/PhraseInfo.h"
#include "ZQPlayerBoxOutDelegate.h"
#include "widgets/ZQPopView.h"

#include <QList>
#include <QString>

#include <optional>

class Label;
class ScoreLabel;
class ScrollView;
class ZQPSRecognizer;
class ZQSpectrumPanel;

// The result comparison panel: scores the learner's recording against the expected
// sentence and shows the phrase's voice and the recording one above the other as
// voiceprints, each with its player.
//
// show(S, V, R): title bar S and the mask; the language model for S and phraseInfos
// (Documents/lm/test.*, generated at most once while the stored files exist); three
// recognitions (R for the score, V and R again for the voiceprints); score = floor of the
// 0-100 score / 10. The opener then sets the panel's height to bodyView height + headH,
// places it and reads score().
//
// Layout in bodyView, for screen-relative sizes w10 = W x 10 / 320 etc.: "Original Voice"
// at (10, w10), 18 high; the standard panel (tag 1979) below it, full width,
// w30 + h128 + 2 h5 high; "My Voice" w10 below it, with the score line centred on the same
// height; the recording's panel (tag 1985) below that; bodyView as tall as its bottom.
//
// Play heads: the panel whose play was pressed follows the shared player; the other one is
// reset (playPreHandle).
//
// Thread: main thread; show() blocks for the generation and the recognitions.
// Failure: a recording in which no voice was recognised (advice "no_voice": also a missing,
// empty or unrecognisable one) gives score 0 and shows that advice in one line where its
// voiceprint would be; nothing else is shown to the learner. A failed generation leaves the
// previous paths (none on a new panel), and the recognitions then find no words (score 0).
class SpectrumCompView : public ZQPopView, public ZQPlayerBoxOutDelegate
{
    Q_OBJECT
public:
    explicit SpectrumCompView(const QRectF &frame, QWidget *parent = nullptr);
    ~SpectrumCompView() override;

    const QList<PhraseInfoPtr> &phraseInfos() const { return m_phraseInfos; }
    void setPhraseInfos(const QList<PhraseInfoPtr> &phrases) { m_phraseInfos = phrases; }

    using ZQPopView::show;
    void show(const QString &standardText, const QString &standardAudioFilePath,
              const QString &estimatedAudioFilePath);

    ScrollView *bodyView() const { return m_bodyView; }
    QString standardText() const { return m_standardText; }
    QString standardAudioFilePath() const { return m_standardAudioFilePath; }
    QString estimatedAudioFilePath() const { return m_estimatedAudioFilePath; }
    std::optional<QString> languageModelPath() const { return m_languageModelPath; }
    std::optional<QString> dictionaryPath() const { return m_dictionaryPath; }
    QString translateText() const { return m_translateText; }
    void setTranslateText(const QString &text) { m_translateText = text; }
    ZQSpectrumPanel *standardSpectrumPanel() const { return m_standardSpectrumPanel; }
    ZQSpectrumPanel *estimatedSpectrumPanel() const { return m_estimatedSpectrumPanel; }
    int score() const { return m_score; }
    Label *testedWordScoreLbl() const;
    // How many times show() has generated the language model on this panel.
    int generationCount() const { return m_generationCount; }

    // A 0-100 score on the panel's 0-10 scale (floor of score / 10).
    static int scoreOnTenScale(float score);

    void closeAction(QObject *sender) override;
    // ZQPlayerBoxOutDelegate: hands the play head to the panel whose play was pressed.
    void playPreHandle(AudioPlayer *player, QWidget *view) override;

private:
    void runRecognition(ZQPSRecognizer &recognizer, const QString &audioPath);
    bool modelFilesUsable() const;
    void generateModel();
    void layOutContent();

    ScrollView *m_bodyView = nullptr;
    QString m_standardText;
    QString m_standardAudioFilePath;
    std::optional<QString> m_languageModelPath;
    std::optional<QString> m_dictionaryPath;
    QString m_estimatedAudioFilePath;
    QString m_translateText;
    ZQSpectrumPanel *m_standardSpectrumPanel = nullptr;
    ZQSpectrumPanel *m_estimatedSpectrumPanel = nullptr;
    int m_score = 0;
    ScoreLabel *m_testedWordScoreLbl = nullptr;
    QList<PhraseInfoPtr> m_phraseInfos;
    bool m_generatedThisShow = false;
    int m_generationCount = 0;
};
