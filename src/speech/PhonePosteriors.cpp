#include "PhonePosteriors.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
// Reads little-endian values from a byte array, failing (instead of reading past the end)
// once a read runs short.
class ByteReader
{
public:
    explicit ByteReader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool ok() const { return m_ok; }
    qsizetype position() const { return m_position; }
    bool skip(qsizetype count)
    {
        if (!m_ok || count < 0 || count > m_bytes.size() - m_position)
            return m_ok = false;
        m_position += count;
        return true;
    }
    qint32 int32()
    {
        qint32 value = 0;
        take(&value, sizeof value);
        return value;
    }
    quint16 uint16()
    {
        quint16 value = 0;
        take(&value, sizeof value);
        return value;
    }
    // A NUL-terminated string.
    QString text()
    {
        const qsizetype end = m_ok ? m_bytes.indexOf('\0', m_position) : -1;
        if (end < 0)
            return m_ok = false, QString();
        const QString value = QString::fromLatin1(m_bytes.constData() + m_position, end - m_position);
        m_position = end + 1;
        return value;
    }
    const char *data() const { return m_bytes.constData() + m_position; }

private:
    void take(void *value, size_t size)
    {
        if (!m_ok || qsizetype(size) > m_bytes.size() - m_position) {
            m_ok = false;
            return;
        }
        std::memcpy(value, m_bytes.constData() + m_position, size);
        m_position += qsizetype(size);
    }

    const QByteArray &m_bytes;
    qsizetype m_position = 0;
    bool m_ok = true;
};

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

constexpr qint32 kByteOrderMark = 0x11223344;
// Sizes the reader accepts: far above any acoustic model's, low enough that a damaged
// count cannot ask for gigabytes.
constexpr qint32 kMostPhones = 4000000;
constexpr qint32 kMostSenones = 65535;
}

bool PhonePosteriors::readModelDefinition(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    ByteReader in(bytes);
    if (!bytes.startsWith("BMDF") || !in.skip(4))
        return fail(error, QStringLiteral("%1: not a binary model definition").arg(path));
    in.int32();  // format version
    in.skip(in.int32());  // the format description
    qint32 header[10] = {};
    for (qint32 &value : header)
        value = in.int32();
    const auto [ciPhones, phones, states, ciSenones, senones, matrices, sequences, context, treeNodes, silence] = header;
    Q_UNUSED(ciSenones)
    Q_UNUSED(context)
    Q_UNUSED(silence)
    if (!in.ok() || ciPhones <= 0 || ciPhones > 255 || phones < ciPhones || phones > kMostPhones || states <= 0
        || states > 10 || senones <= 0 || senones > kMostSenones || matrices != ciPhones || sequences <= 0
        || sequences > kMostPhones || treeNodes < 0 || treeNodes > kMostPhones)
        return fail(error, QStringLiteral("%1: unexpected model definition header").arg(path));

    QStringList names;
    for (int i = 0; i < ciPhones; ++i)
        names.append(in.text());
    in.skip((4 - in.position() % 4) % 4);
    in.skip(qsizetype(treeNodes) * 8);  // the context tree: not needed here
    // The tables must fit in what is left of the file before any room is made for them.
    const qsizetype tables = qsizetype(phones) * 12 + 4 + qsizetype(sequences) * states * 2;
    if (!in.ok() || tables > bytes.size() - in.position())
        return fail(error, QStringLiteral("%1: truncated or inconsistent model definition").arg(path));
    std::vector<std::pair<qint32, qint32>> phoneTable(static_cast<size_t>(phones));  // senone sequence, matrix
    for (auto &[sequence, matrix] : phoneTable) {
        sequence = in.int32();
        matrix = in.int32();
        in.skip(4);  // attributes
    }
    if (in.int32() != sequences * states || !in.ok())
        return fail(error, QStringLiteral("%1: truncated or inconsistent model definition").arg(path));

    std::vector<quint16> table(size_t(sequences) * size_t(states));
    for (quint16 &senone : table)
        senone = in.uint16();
    std::vector<int> base(size_t(senones), -1);
    for (const auto &[sequence, matrix] : phoneTable) {
        if (sequence < 0 || sequence >= sequences || matrix < 0 || matrix >= ciPhones || !in.ok())
            return fail(error, QStringLiteral("%1: truncated or inconsistent model definition").arg(path));
        for (int s = 0; s < states; ++s) {
            const quint16 senone = table[size_t(sequence) * size_t(states) + size_t(s)];
            if (senone >= senones)
                return fail(error, QStringLiteral("%1: a senone outside the model").arg(path));
            base[senone] = matrix;
        }
    }
    m_phones = names;
    m_baseOfSenone = std::move(base);
    m_frames = 0;
    m_best.clear();
    return true;
}

bool PhonePosteriors::readScores(const QString &path, QString *error)
{
    if (m_phones.isEmpty())
        return fail(error, QStringLiteral("no model definition"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    const qsizetype headerEnd = bytes.indexOf("endhdr\n");
    ByteReader in(bytes);
    if (headerEnd < 0 || !in.skip(headerEnd + 7) || in.int32() != kByteOrderMark)
        return fail(error, QStringLiteral("%1: not a senone log in this machine's byte order").arg(path));

    const size_t phones = size_t(m_phones.size());
    std::vector<quint16> best;
    int frames = 0;
    while (in.ok() && in.position() < bytes.size()) {
        const quint16 count = in.uint16();
        if (count != m_baseOfSenone.size())
            return fail(error, QStringLiteral("%1: frame %2 has %3 senones, the model %4")
                                   .arg(path).arg(frames).arg(count).arg(m_baseOfSenone.size()));
        const size_t at = best.size();
        best.resize(at + phones, std::numeric_limits<quint16>::max());
        for (size_t s = 0; s < count; ++s) {
            const quint16 score = in.uint16();
            const int phone = m_baseOfSenone[s];
            if (phone >= 0)
                best[at + size_t(phone)] = std::min(best[at + size_t(phone)], score);
        }
        ++frames;
    }
    if (!in.ok())
        return fail(error, QStringLiteral("%1: the last frame is cut off").arg(path));
    m_frames = frames;
    m_best = std::move(best);
    return true;
}

std::optional<double> PhonePosteriors::meanLogPosterior(int phone, int first, int last, double scale) const
{
    const int phones = int(m_phones.size());
    if (phone < 0 || phone >= phones || first < 0 || last < first || last >= m_frames)
        return std::nullopt;
    double sum = 0.0;
    for (int f = first; f <= last; ++f) {
        const quint16 *row = m_best.data() + size_t(f) * size_t(phones);
        // log softmax of -scale x score, computed against the frame's best phone.
        const quint16 lowest = *std::min_element(row, row + phones);
        double total = 0.0;
        for (int p = 0; p < phones; ++p)
            total += std::exp(-scale * double(row[p] - lowest));
        sum += -scale * double(row[phone] - lowest) - std::log(total);
    }
    return sum / double(last - first + 1);
}
