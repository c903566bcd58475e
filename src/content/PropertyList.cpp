#include "PropertyList.h"

#include <plist/plist.h>

#include <cstdlib>
#include <memory>

namespace {
struct PlistDeleter
{
    void operator()(void *node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}
}

namespace PropertyList {
std::optional<QVariantMap> parseDictionary(const QByteArray &bytes, QString *error)
{
    if (bytes.isEmpty()) {
        setError(error, QStringLiteral("empty property list"));
        return std::nullopt;
    }
    plist_t raw = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &raw);
    PlistPtr root(raw);
    if (!root) {
        setError(error, QStringLiteral("not a property list"));
        return std::nullopt;
    }
    if (plist_get_node_type(root.get()) != PLIST_DICT) {
        setError(error, QStringLiteral("the property list is not a dictionary"));
        return std::nullopt;
    }
    QVariantMap result;
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(root.get(), &iterator);
    for (;;) {
        char *key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(root.get(), iterator, &key, &value);
        if (!value) {
            std::free(key);
            break;
        }
        const QString name = QString::fromUtf8(key);
        std::free(key);
        switch (plist_get_node_type(value)) {
        case PLIST_UINT: {
            uint64_t number = 0;
            plist_get_uint_val(value, &number);
            // Negative XML integers come back in two's complement.
            result.insert(name, QVariant::fromValue(static_cast<qint64>(number)));
            break;
        }
        case PLIST_REAL: {
            double number = 0;
            plist_get_real_val(value, &number);
            result.insert(name, number);
            break;
        }
        case PLIST_BOOLEAN: {
            uint8_t flag = 0;
            plist_get_bool_val(value, &flag);
            result.insert(name, flag != 0);
            break;
        }
        case PLIST_STRING: {
            // Read with its length: a string holding a NUL byte (a damaged file) would fail
            // libplist's own check in plist_get_string_val and abort the program.
            uint64_t length = 0;
            const char *text = plist_get_string_ptr(value, &length);
            result.insert(name, QString::fromUtf8(text, text ? qsizetype(length) : 0));
            break;
        }
        default:
            break;
        }
    }
    std::free(iterator);
    return result;
}

bool isInteger(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

QByteArray serializeXml(const QVariantMap &dictionary, QString *error)
{
    PlistPtr root(plist_new_dict());
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
        const QByteArray key = it.key().toUtf8();
        const QVariant &value = it.value();
        plist_t node = nullptr;
        switch (isInteger(value) ? QMetaType::LongLong : value.typeId()) {
        case QMetaType::LongLong:
            node = plist_new_uint(static_cast<uint64_t>(value.toLongLong()));
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            node = plist_new_real(value.toDouble());
            break;
        case QMetaType::Bool:
            node = plist_new_bool(value.toBool() ? 1 : 0);
            break;
        case QMetaType::QString:
            node = plist_new_string(value.toString().toUtf8().constData());
            break;
        default:
            setError(error, QStringLiteral("cannot store the value of \"%1\"").arg(it.key()));
            return {};
        }
        plist_dict_set_item(root.get(), key.constData(), node);
    }
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    if (!xml) {
        setError(error, QStringLiteral("serialisation failed"));
        return {};
    }
    QByteArray result(xml, qsizetype(length));
    plist_to_xml_free(xml);
    return result;
}
}
