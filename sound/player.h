#pragma once

#include "generator.h"

#include <QObject>
#include <QtMultimedia/qaudio.h>

class QAudioSink;
class QBuffer;
class QTimer;

namespace sound {

// Plays sound on the default output, in the background: play() and stop() return at once. What
// takes the sound elsewhere (or nowhere, in a test) plays and stops in its own way, with the same
// signals.
class Player : public QObject
{
    Q_OBJECT

public:
    explicit Player(QObject *parent = nullptr);
    ~Player() override;

    // Stops what is playing, then plays `samples` (44.1 kHz stereo) to their end. Where there is
    // no sound output, or it fails, says so with unavailable() instead.
    virtual void play(const Samples &samples);
    // Ends the playing at once; stopped() follows if something was playing.
    virtual void stop();
    bool isPlaying() const { return sink != nullptr; }

signals:
    void started();
    void stopped(); // at the end of the sound, on stop(), or when the output fails while playing
    // Why nothing can be heard, in words for the user: no sound output, or the output failed.
    void unavailable(const QString &message);

private:
    void changed(QAudio::State state);
    void release();

    QAudioSink *sink = nullptr;
    QBuffer *buffer = nullptr;
    QTimer *drain = nullptr;
};

} // namespace sound
