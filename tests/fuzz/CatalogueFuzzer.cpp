// Catalogue loading from an installed bundle: a category's "pkgInfo" (plain JSON) and its
// encrypted "phrasesInfo". Input: mode, pkgInfo, phrase list. An even mode takes the phrase
// list as plain JSON and encrypts it with the content key (so the JSON checks behind the
// cipher get fuzzed); an odd mode writes the bytes as they are (Base64 and padding checks).
//
// Promise checked: the load either succeeds or records an error naming the bad file.
#include "FuzzSupport.h"

#include "content/AppCommon.h"
#include "content/ZQCryptor.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace FuzzSupport;
    init();
    const Input input = split(data, size, 2);
    const QString bundle = freshFolder(QStringLiteral("resources.bundle"));
    const QString category = bundle + QStringLiteral("/1");
    QDir().mkpath(category);
    writeFile(category + QStringLiteral("/pkgInfo"), input.parts[0]);
    QByteArray phrases = bytes(input.parts[1]);
    if ((input.mode & 1) == 0)
        phrases = ZQCryptor::encryptWithDES(QString::fromUtf8(phrases), ZQCryptor::contentKey).toUtf8();
    writeFile(category + QStringLiteral("/phrasesInfo"), std::string_view(phrases.constData(), size_t(phrases.size())));

    AppCommon::resetCatalogue(bundle);
    const bool loaded = AppCommon::preloadCatalogue();
    const QString error = AppCommon::catalogueError();
    fuzzCheck(loaded == error.isEmpty(), "a load reports an error exactly when it fails");
    if (!loaded) {
        fuzzCheck(error.contains(bundle), "the error names the bad file");
        fuzzCheck(AppCommon::getAllPhraseInfoList().isEmpty(), "a failed load keeps nothing half-loaded");
        return 0;
    }
    fuzzCheck(AppCommon::getCategoryInfoList().size() == 1, "the one category is listed");
    for (const PhraseInfoPtr &phrase : AppCommon::getAllPhraseInfoList()) {
        fuzzCheck(!phrase->id.isEmpty(), "every phrase has an id");
        fuzzCheck(phrase->categoryId == QStringLiteral("1"), "every phrase knows its category");
        // The media paths are derived from the id: they must stay inside the bundle.
        fuzzCheck(AppCommon::getVoicePath(*phrase).startsWith(category + QLatin1Char('/')),
                  "voice paths stay in the category folder");
    }
    return 0;
}
