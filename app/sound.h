#pragma once
#include <QString>
#include <functional>
#include <memory>

class QSoundEffect;

// One of the program's short sounds, loaded from the built-in resources.
class Sound {
public:
    explicit Sound(const QString &name);
    ~Sound();

    const QString &name() const { return m_name; }

    // Plays the sound and returns when it has finished. User input is not
    // processed meanwhile. A sound that cannot play (missing resource, no
    // audio device) returns at once; the wait never outlasts the sound's
    // length by more than a short margin.
    void PlayToEnd();

    // Length of the sound in milliseconds from its WAV header; 0 when unknown.
    int durationMs() const { return m_durationMs; }

    // Tests replace the real playback: the hook receives the sound's name.
    using Hook = std::function<void(const QString &)>;
    static void setPlayHook(Hook hook);

private:
    QString m_name;
    QString m_url;
    int m_durationMs = 0;
    std::unique_ptr<QSoundEffect> m_effect;
};

// Reads the play length of a PCM WAV file in milliseconds, 0 when the data
// is not a WAV file it understands.
int wavDurationMs(const QByteArray &wav);
