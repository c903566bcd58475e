#pragma once

#include "content/PhraseInfo.h"
#include "speech/PronunciationComparison.h"
#include "ZQPlayerBoxOutDelegate.h"
#include "audio/SpanPlayer.h"
#include "widgets/ZQPopView.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

class Label;
class ScoreLabel;
class ScrollView;
class SpanPlayer;
class WordStripView;
class ZQSpectrumPanel;

// The result comparison panel: scores the learner's recording against the expected
// sentence and shows the phrase's voice and the recording one above the other as
// voiceprints, each with its player.
//
// show(S, V, R): title bar S and the mask; then the comparison engine
// (PronunciationComparison, request ComparisonRequest::forPhrase: the model files
// Documents/lm/test.*) compares R with S: the model generated at most once while its files
// hold, V and R recognised once each (V usually comes from the engine's cache or from a
// preparation started when recording began, see startComparison); score = floor of the
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
// Word feedback (setWordFeedback, off by default; the phrase card turns it on with its
// setting): the comparison also assesses the recording word by word, and the expected
// words are drawn over the learner's voiceprint (WordStripView, inside its scroller, so
// nothing else moves). A tap on a word stops both players and plays that word of the
// recording and then, after a short pause, the same word of the model voice (its span in
// ComparisonResult::standardAssessment; only the recording's when that is missing or does
// not hold the word); an omitted word plays only the model voice's. A second tap, or
// either player starting, interrupts it. No strip is drawn when the recording held no
// voice, or when the assessment is missing or invalid.
//
// Ownership: the panel shares its engine with whoever prepared it; closing the panel or its
// opener abandons any work still running for it.
//
// Thread: main thread; show() blocks for what is left of the comparison.
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

    // The engine of the phrase (S, V) with the corpus of `phrases`, already preparing (the
    // model and the model voice) while the learner speaks. Hand it to the panel with
    // setComparison() before show(); an engine for another phrase is replaced.
    // `assess` asks for the word-by-word assessment as well (see setWordFeedback).
    static std::shared_ptr<PronunciationComparison> startComparison(const QString &standardText,
                                                                    const QString &standardAudioFilePath,
                                                                    const QList<PhraseInfoPtr> &phrases,
                                                                    bool assess = false);
    std::shared_ptr<PronunciationComparison> comparison() const { return m_comparison; }
    void setComparison(std::shared_ptr<PronunciationComparison> comparison) { m_comparison = std::move(comparison); }
    // The result of the last show().
    const ComparisonResult &comparisonResult() const { return m_comparisonResult; }

    ScrollView *bodyView() const { return m_bodyView; }
    QString standardText() const { return m_standardText; }
    QString standardAudioFilePath() const { return m_standardAudioFilePath; }
    QString estimatedAudioFilePath() const { return m_estimatedAudioFilePath; }
    std::optional<QString> languageModelPath() const;
    std::optional<QString> dictionaryPath() const;
    QString translateText() const { return m_translateText; }
    void setTranslateText(const QString &text) { m_translateText = text; }
    ZQSpectrumPanel *standardSpectrumPanel() const { return m_standardSpectrumPanel; }
    ZQSpectrumPanel *estimatedSpectrumPanel() const { return m_estimatedSpectrumPanel; }
    int score() const { return m_score; }
    Label *testedWordScoreLbl() const;
    // How many times show() has generated the language model on this panel.
    int generationCount() const { return m_generationCount; }

    // Whether show() asks for the assessment and draws the word strip from it.
    bool wordFeedback() const { return m_wordFeedback; }
    void setWordFeedback(bool on) { m_wordFeedback = on; }
    // Draws the strip of `assessment` over the learner's voiceprint (replacing any), the
    // words played from `standardAssessment` for the model voice; show() calls it with
    // the comparison's. Nothing is drawn for an invalid or empty assessment.
    void showWordStrip(const AssessmentResult &assessment, const std::optional<AssessmentResult> &standardAssessment);
    WordStripView *wordStripView() const { return m_wordStrip; }
    SpanPlayer *spanPlayer() const { return m_spanPlayer; }
    // What a tap on word `index` plays: the recording's span, then the model voice's.
    QList<SpanPlayer::Span> wordSpans(int index) const;
    void playWord(int index);

    // A 0-100 score on the panel's 0-10 scale (floor of score / 10).
    static int scoreOnTenScale(float score) { return PronunciationComparison::panelScore(score); }

    void closeAction(QObject *sender) override;
    // ZQPlayerBoxOutDelegate: hands the play head to the panel whose play was pressed.
    void playPreHandle(AudioPlayer *player, QWidget *view) override;

private:
    static QStringList phraseContents(const QList<PhraseInfoPtr> &phrases);
    void resetBody();
    void layOutContent();
    // Word `index` of `assessment` in the model voice, when it was said there.
    const WordAssessment *modelWord(const AssessmentResult &assessment, int index) const;
    void stopWord();

    ScrollView *m_bodyView = nullptr;
    QString m_standardText;
    QString m_standardAudioFilePath;
    QString m_estimatedAudioFilePath;
    QString m_translateText;
    ZQSpectrumPanel *m_standardSpectrumPanel = nullptr;
    ZQSpectrumPanel *m_estimatedSpectrumPanel = nullptr;
    int m_score = 0;
    ScoreLabel *m_testedWordScoreLbl = nullptr;
    QList<PhraseInfoPtr> m_phraseInfos;
    std::shared_ptr<PronunciationComparison> m_comparison;
    ComparisonResult m_comparisonResult;
    int m_generationCount = 0;
    bool m_wordFeedback = false;
    WordStripView *m_wordStrip = nullptr;  // in the recording's panel, gone with the body
    std::optional<AssessmentResult> m_standardAssessment;
    SpanPlayer *m_spanPlayer;
};
