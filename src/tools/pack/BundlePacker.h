#pragma once

#include "CatalogueSource.h"

#include <QString>

#include <cstdio>

class CardRenderer;

// Turns a catalogue source folder, or a teacher's phrase list file (.txt, .csv: one category,
// see PhraseListSource), into an installed resources bundle:
//
//   OUTPUT/<categoryId>/pkgInfo            plain JSON: id, name, nameTrans
//   OUTPUT/<categoryId>/phrasesInfo        Base64 DES text (content key) of the JSON array
//                                          of the phrases: id, txt, phon, wTrans
//   OUTPUT/<categoryId>/cover.jpg          plain JPEG
//   OUTPUT/<categoryId>/images/<md5>.jpg   raw DES ciphertext (image key) of a JPEG card
//   OUTPUT/<categoryId>/voices/<id>.mp3    flite voice, MP3
//
// A missing "phon" is filled from espeak-ng. The whole source is checked before anything is
// written; the bundle is built in a hidden sibling folder of OUTPUT and renamed into place at
// the end, so a failed run leaves the previous bundle (or nothing) behind, never a half one.
// An existing OUTPUT is replaced only when it is empty or looks like a bundle (every entry a
// folder holding a pkgInfo), so a mistyped path cannot wipe an unrelated folder.
//
// Voices and transcriptions run on `jobs` worker threads while the main thread draws the
// pictures (which need the QGuiApplication's thread).
//
// Thread: the QGuiApplication's thread. Failure: run() returns 1 after printing every problem
// to the error stream (source errors name the file and the entry); 0 on success.
class BundlePacker
{
public:
    struct Options
    {
        QString sourceFolder;
        QString outputFolder;
        QString lookupListPath;
        int jobs = 2;
        // A phrase list file as the source (PhraseListSource): its category's name and id
        // (empty / 0: from the file name).
        QString categoryName;
        qint64 categoryId = 0;
    };

    explicit BundlePacker(Options options, FILE *out = stdout, FILE *err = stderr);
    int run();

private:
    bool readLookupList(QString *lookupText);
    // The source folder, or the phrase list file as a one-category source; prints every
    // problem when it cannot be used.
    bool loadSource(const QString &lookupText, CatalogueSource *source);
    // Every icon name known, the voice programs installed.
    bool checkToolsAndIcons(const CatalogueSource &source, const CardRenderer &renderer);
    // Writes the bundle beside OUTPUT and puts it in place.
    bool build(const CatalogueSource &source, const CardRenderer &renderer);
    bool writeBundle(const QString &folder, const CatalogueSource &source, const CardRenderer &renderer);
    bool installBundle(const QString &builtFolder);
    bool outputReplaceable();
    void fail(const QString &message);

    Options m_options;
    FILE *m_out;
    FILE *m_err;
};
