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

// The stored rows are separated by CR alone; none is empty.
const PackedLines &packed() {
    static const PackedLines rows =
        PackedLines::split(rawText(), false, PackedLines::Ends::LFOrCR);
    return rows;
}

const std::vector<std::string> &words() {
    static const std::vector<std::string> rows = packed().toVector();
    return rows;
}

} // namespace DefaultList
