#include "wav.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QtEndian>

namespace sound {

namespace {

void put32(QByteArray &to, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    to.append(bytes, 4);
}

void put16(QByteArray &to, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    to.append(bytes, 2);
}

// A device that refuses says why; one that takes only part of a write may not.
QString failed(const QIODevice &device, qint64 written)
{
    return written < 0 && !device.errorString().isEmpty()
            ? device.errorString()
            : QCoreApplication::translate("Sound", "not all of the sound could be written");
}

} // namespace

QString writeWav(QIODevice &device, const Samples &samples)
{
    constexpr quint16 bits = 16;
    constexpr quint16 frameBytes = channels * bits / 8;
    const quint64 dataBytes = quint64(samples.size()) * sizeof(qint16);
    if (dataBytes > 0xffffffffu - 36)
        return QCoreApplication::translate("Sound", "the sound is too long for a WAV file");

    QByteArray header;
    header.append("RIFF");
    put32(header, quint32(36 + dataBytes));
    header.append("WAVE");
    header.append("fmt ");
    put32(header, 16);
    put16(header, 1); // PCM
    put16(header, channels);
    put32(header, sampleRate);
    put32(header, sampleRate * frameBytes);
    put16(header, frameBytes);
    put16(header, bits);
    header.append("data");
    put32(header, quint32(dataBytes));
    if (const qint64 written = device.write(header); written != header.size())
        return failed(device, written);

    // In pieces, so that a long sound needs no second copy in memory.
    constexpr std::size_t piece = 16384;
    QByteArray bytes;
    for (std::size_t at = 0; at < samples.size(); at += piece) {
        const std::size_t count = std::min(piece, samples.size() - at);
        bytes.resize(qsizetype(count * sizeof(qint16)));
        qToLittleEndian<qint16>(samples.data() + at, qsizetype(count), bytes.data());
        if (const qint64 written = device.write(bytes); written != bytes.size())
            return failed(device, written);
    }
    return {};
}

} // namespace sound
