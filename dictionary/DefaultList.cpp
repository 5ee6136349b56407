#include "dictionary/DefaultList.h"

#include <QFile>

namespace DefaultList {

const std::string &rawText() {
    static const std::string text = [] {
        QFile file(QStringLiteral(":/defaultwords.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return std::string();
        const QByteArray bytes = file.readAll();
        return std::string(bytes.constData(), size_t(bytes.size()));
    }();
    return text;
}

const std::vector<std::string> &words() {
    static const std::vector<std::string> rows = [] {
        std::vector<std::string> out;
        const std::string &text = rawText();
        out.reserve(30000);
        size_t start = 0;
        while (start <= text.size() && !text.empty()) {
            size_t end = text.find('\r', start);
            if (end == std::string::npos)
                end = text.size();
            out.emplace_back(text, start, end - start);
            start = end + 1;
        }
        return out;
    }();
    return rows;
}

} // namespace DefaultList

namespace DefaultList {

const PackedLines &packed() {
    static const PackedLines rows = PackedLines::fromVector(words());
    return rows;
}

} // namespace DefaultList
