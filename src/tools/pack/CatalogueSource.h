#pragma once

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The readable source of the catalogue: one JSON file per category in a folder (see
// resources/content/README.md). load() reads every *.json file of the folder (in file-name
// order), checks it completely and keeps the categories it describes.
//
// Checks, each reported as "<file>: <entry>: <problem>":
// - the file is a JSON object; "id" integer > 0, "name" string, "nameTrans" object holding a
//   string for each of the 16 learner languages, "phrases" a non-empty array; optional "icon"
//   (a Material Design Icons name, checked by the caller) and "color" (a colour text);
// - each phrase: "id" integer > 0, "txt" a string of ASCII letters, spaces, apostrophes and
//   ". , ? !" holding at least one word, "wTrans" an object with a string for each of the 16
//   languages, optional "phon" string;
// - the "en" entries equal "name" / "txt" (the app shows the "en" entry as the phrase while
//   the voice reads "txt");
// - category ids unique, phrase ids unique in the whole catalogue (recordings are stored by
//   phrase id alone);
// - every word of every "txt", split and cleaned as the app's corpus builder does, is in the
//   pronunciation lookup list (when one is given).
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

    // The learner languages every translation map must cover.
    static const QStringList &languages();
    // The cover colour of a category whose source gives none.
    static QColor defaultColor();

    // The words of a text as the app's corpus builder takes them: every run of characters
    // other than white space and ". , ! ? ؟ 、 。" that is followed by one of them (a space
    // is appended to the text first), then stripped of every character that is not a letter,
    // a digit or an apostrophe, and upper-cased. Empty results are dropped.
    static QStringList corpusWords(const QString &text);

    // lookupText: the pronunciation lookup list; null to skip the word check.
    bool load(const QString &folder, const QString &lookupText);

    const QList<Category> &categories() const { return m_categories; }
    const QStringList &errors() const { return m_errors; }
    qsizetype phraseCount() const;

private:
    void readFile(const QString &path);
    void checkWords(const QString &lookupText);
    void error(const QString &file, const QString &message);

    QList<Category> m_categories;
    QStringList m_errors;
};
