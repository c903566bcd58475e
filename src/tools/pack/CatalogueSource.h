#pragma once

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The readable source of the catalogue: one JSON file per category in a folder (see
// resources/content/README.md). load() reads every *.json file of the folder (in file-name
// order), checks it completely and keeps the categories it describes.
//
// Checks, each reported as "<file>: <entry>: <problem>":
// - the file is a JSON object; "id" integer > 0, "name" string, "nameTrans" object holding a
//   string for each of the 16 learner languages (AppCommon::supportedLanguages()),
//   "phrases" a non-empty array; optional "icon" (a Material Design Icons name, checked by
//   the caller) and "color" (a colour text);
// - each phrase: "id" integer > 0, "txt" a string of ASCII letters, spaces, apostrophes and
//   ". , ? !" holding at least one word, "wTrans" an object with a string for each of the 16
//   languages, optional "phon" string;
// - the "en" entries equal "name" / "txt" (the app shows the "en" entry as the phrase while
//   the voice reads "txt");
// - category ids unique, phrase ids unique in the whole catalogue (recordings are stored by
//   phrase id alone);
// - every word of every "txt" (CorpusText::dictionaryWords, as the app's corpus builder
//   takes them) is in the pronunciation lookup list (when one is given).
//
// Thread: any (no shared state). Failure: load() returns false and errors() lists every
// problem found (all files are checked, so one run reports them all).
class CatalogueSource
{
public:
    struct Phrase
    {
        qint64 id = 0;
        QString txt;
        std::optional<QString> phon;
        QJsonObject wTrans;
    };

    struct Category
    {
        QString fileName;  // e.g. "3-food-and-drink.json"
        qint64 id = 0;
        QString name;
        QString icon;  // empty when the source gives none
        QColor color;
        QJsonObject nameTrans;
        QList<Phrase> phrases;
    };

    // The cover colour of a category whose source gives none.
    static QColor defaultColor();

    // lookupText: the pronunciation lookup list; null to skip the word check.
    bool load(const QString &folder, const QString &lookupText);
    // Takes one category checked elsewhere (a phrase list file) as the whole source.
    void adopt(Category category);
    // Why `txt` cannot be a phrase text ("holds the character ..."); empty when it can.
    static QString textProblem(const QString &txt);

    const QList<Category> &categories() const { return m_categories; }
    const QStringList &errors() const { return m_errors; }
    qsizetype phraseCount() const;

private:
    // Each step reports what it finds wrong through error() and goes on where it can, so
    // one run lists every problem.
    void readFile(const QString &path);
    std::optional<QJsonObject> readObject(const QString &path, const QString &name);
    // Fills id, name, nameTrans, icon and colour; returns how errors name the category.
    QString readCategoryFields(const QJsonObject &object, Category *category);
    // A translation map: a string for every learner language, its "en" entry equal to
    // `englishText` (when that is not empty).
    QJsonObject checkTranslations(const QJsonValue &value, const QString &name, const QString &entry,
                                  const QString &key, const QString &englishText);
    // Nothing when the entry has no usable id; otherwise the phrase, errors reported.
    std::optional<Phrase> readPhrase(const QJsonValue &value, qsizetype position, const QString &name,
                                     QSet<qint64> *seen);
    QString checkedText(const QString &txt, const QString &name, const QString &where);
    void checkWords(const QString &lookupText);
    void error(const QString &file, const QString &message);

    QList<Category> m_categories;
    QStringList m_errors;
};
