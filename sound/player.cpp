#include "player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTimer>

namespace sound {

namespace {

QAudioFormat format()
{
    QAudioFormat f;
    f.setSampleRate(sampleRate);
    f.setChannelCount(channels);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

QString noOutput()
{
    return QCoreApplication::translate("Sound", "There is no sound output: nothing can be heard.");
}

QString outputFailed()
{
    return QCoreApplication::translate("Sound", "The sound output failed: nothing can be heard.");
}

} // namespace

Player::Player(QObject *parent) : QObject(parent), drain(new QTimer(this))
{
    drain->setSingleShot(true);
    connect(drain, &QTimer::timeout, this, &Player::stop);
}

Player::~Player()
{
    release();
}

void Player::play(const Samples &samples)
{
    stop();
    if (samples.empty())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format())) {
        emit unavailable(noOutput());
        return;
    }
    // Int16 samples are in the machine's own byte order, as the output takes them.
    buffer = new QBuffer(this);
    buffer->setData(reinterpret_cast<const char *>(samples.data()),
                    qsizetype(samples.size() * sizeof(qint16)));
    buffer->open(QIODevice::ReadOnly);
    sink = new QAudioSink(device, format(), this);
    // The output takes as much of the sound as it can at once (about half of it, here), so that
    // a busy window hardly can leave it waiting for more and break the sound up.
    sink->setBufferSize(buffer->size());
    connect(sink, &QAudioSink::stateChanged, this, &Player::changed);
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        release();
        emit unavailable(outputFailed());
        return;
    }
    emit started();
}

void Player::stop()
{
    if (!sink)
        return;
    release();
    emit stopped();
}

void Player::changed(QAudio::State state)
{
    if (!sink)
        return;
    const QAudio::Error error = sink->error();
    if (error != QAudio::NoError && error != QAudio::UnderrunError) {
        release();
        emit unavailable(outputFailed());
        emit stopped();
    } else if (state == QAudio::IdleState && buffer->atEnd() && !drain->isActive()) {
        // The output still holds up to a buffer's worth: let it play out before stopping.
        const qint64 held = format().durationForBytes(sink->bufferSize()) / 1000;
        drain->start(int(held) + 50);
    }
}

void Player::release()
{
    drain->stop();
    if (sink) {
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
        sink = nullptr;
    }
    if (buffer) {
        buffer->deleteLater();
        buffer = nullptr;
    }
}

} // namespace sound
