#include "dictionary/DefaultList.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <set>

class TestDefaultList : public QObject {
    Q_OBJECT
private slots:
    void storedForm() {
        const std::string &raw = DefaultList::rawText();
        QCOMPARE(raw.size(), size_t(219625));
        QCOMPARE(std::count(raw.begin(), raw.end(), '\r'), std::ptrdiff_t(29393));
        QVERIFY(raw.find('\n') == std::string::npos);
        QVERIFY(raw.find('\t') == std::string::npos);
        QVERIFY(raw.back() != '\r');
    }

    void rows() {
        const auto &w = DefaultList::words();
        QCOMPARE(w.size(), size_t(29394));

        std::map<size_t, int> byLength;
        std::vector<std::string> punctuated;
        for (const std::string &s : w) {
            QVERIFY2(!s.empty(), "no empty row");
            ++byLength[s.size()];
            bool letters = true;
            for (unsigned char c : s) {
                QVERIFY2(c < 128, s.c_str());
                QVERIFY2(!(c >= 'A' && c <= 'Z'), s.c_str());
                if (c < 'a' || c > 'z')
                    letters = false;
            }
            if (!letters)
                punctuated.push_back(s);
        }
        const std::map<size_t, int> expected{
            {4, 2521}, {5, 4509}, {6, 6634}, {7, 8041}, {8, 7689}};
        QVERIFY(byLength == expected);
        QVERIFY(punctuated ==
                (std::vector<std::string>{"at&t", "it&t", "ph.d", "u.s.a", "usc&gs"}));
    }

    void orderAndDuplicates() {
        const auto &w = DefaultList::words();
        QVERIFY(std::is_sorted(w.begin(), w.end())); // byte order
        int adjacentPairs = 0;
        for (size_t i = 1; i < w.size(); ++i) {
            if (w[i] == w[i - 1]) {
                ++adjacentPairs;
                QVERIFY2(i < 2 || w[i - 2] != w[i], "no word three times");
            }
        }
        QCOMPARE(adjacentPairs, 161);
        QCOMPARE(std::set<std::string>(w.begin(), w.end()).size(), size_t(29233));
    }

    void ends() {
        const auto &w = DefaultList::words();
        const std::vector<std::string> head(w.begin(), w.begin() + 5);
        const std::vector<std::string> tail(w.end() - 5, w.end());
        QVERIFY(head == (std::vector<std::string>{"aaas", "aarhus", "aaron", "ababa", "aback"}));
        QVERIFY(tail == (std::vector<std::string>{"zorn", "zounds", "zucchini", "zurich", "zygote"}));
        QVERIFY(std::binary_search(w.begin(), w.end(), std::string("africa")));
        QVERIFY(std::binary_search(w.begin(), w.end(), std::string("alabama")));
    }
};

QTEST_APPLESS_MAIN(TestDefaultList)
#include "test_defaultlist.moc"
