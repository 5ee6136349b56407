#include "app/sound.h"

#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

static Sound::Hook &playHook() {
    static Sound::Hook hook;
    return hook;
}

void Sound::setPlayHook(Hook hook) { playHook() = std::move(hook); }

int wavDurationMs(const QByteArray &wav) {
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return 0;
    quint32 byteRate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= wav.size()) {
        const QByteArray id = wav.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + pos + 4);
        const qsizetype body = pos + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= wav.size())
            byteRate = qFromLittleEndian<quint32>(wav.constData() + body + 8);
        if (id == "data") {
            if (byteRate == 0)
                return 0;
            const quint64 available = quint64(wav.size() - body);
            const quint64 bytes = qMin<quint64>(size, available);
            return int(bytes * 1000 / byteRate);
        }
        pos = body + qsizetype(size) + (size & 1);
    }
    return 0;
}

Sound::Sound(const QString &name) : m_name(name) {
    const QString path = QStringLiteral(":/sounds/%1.wav").arg(name);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        m_durationMs = wavDurationMs(file.readAll());
        m_url = QStringLiteral("qrc") + path;
    }
}

Sound::~Sound() = default;

void Sound::PlayToEnd() {
    if (playHook()) {
        playHook()(m_name);
        return;
    }
    if (m_url.isEmpty() || m_durationMs <= 0)
        return;
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        m_effect->setSource(QUrl(m_url));
    }
    if (m_effect->status() == QSoundEffect::Error)
        return;

    // Wait for the end of the sound, an error, or the sound's own length
    // (some audio back ends never report the end when there is no device).
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(m_effect.get(), &QSoundEffect::playingChanged, &loop, [&] {
        if (!m_effect->isPlaying())
            loop.quit();
    });
    QObject::connect(m_effect.get(), &QSoundEffect::statusChanged, &loop, [&] {
        if (m_effect->status() == QSoundEffect::Error)
            loop.quit();
    });
    m_effect->play();
    limit.start(m_durationMs + 250);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_effect->stop();
}
