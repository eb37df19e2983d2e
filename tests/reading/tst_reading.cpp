// SPDX-License-Identifier: MIT
// The combination key, the reduction and the choice of the reading.
#include "EnochianNumerology.h"

#include <QTest>
#include <set>
#include <vector>

using namespace dicemere::reading;

namespace {

using Values = std::vector<std::int16_t>;

Reading Of(const Values& v) { return SelectReading(v); }
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The total's reduction worked out by hand, independent of the code.
constexpr int kReducedTotal[25] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3,
                                   4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6};

// Calls fn for every sequence of n dice values 0..6.
template <typename Fn> void EverySequence(int n, Fn fn) {
    Values v(static_cast<std::size_t>(n), 0);
    while (true) {
        fn(v);
        std::size_t i = 0;
        while (i < v.size() && ++v[i] == 7)
            v[i++] = 0;
        if (i == v.size())
            return;
    }
}

} // namespace

Q_DECLARE_METATYPE(Values)

class TestReading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keysFormInCastOrder() {
        QCOMPARE(CombinationKey(Values{5, 6}), std::string("56"));
        QCOMPARE(CombinationKey(Values{3, 0, 3, 5}), std::string("3035"));
        QCOMPARE(CombinationKey(Values{0, 0}), std::string("00"));
    }

    void totalsReduce() {
        // Totals 0 to 24 built from up to four dice values.
        for (int total = 0; total <= 24; ++total) {
            Values v;
            int left = total;
            while (left > 0 || v.size() < 2) {
                const int d = std::min(left, 6);
                v.push_back(static_cast<std::int16_t>(d));
                left -= d;
            }
            QVERIFY(v.size() <= 4);
            QCOMPARE(int(ReduceKey(CombinationKey(v))), kReducedTotal[total]);
        }
        QCOMPARE(int(ReduceKey("6661")), 1); // 19, then 10, then 1
        QCOMPARE(int(ReduceKey("29")), 2);   // 11 reduces like any other total
        QCOMPARE(int(ReduceKey("6664")), 4); // 22 too
        QCOMPARE(int(ReduceKey("")), 0);
    }

    void castsThatMeetAKey_data() {
        QTest::addColumn<Values>("dice");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        const auto add = [](Values v, int r, int c, int n, const char* t) {
            QTest::newRow(CombinationKey(v).c_str()) << v << r << c << n << QString::fromLatin1(t);
        };
        add({1, 0}, 1, 1, 1, "1+0 = 1");
        add({1, 1}, 2, 1, 2, "1+1 = 2");
        add({2, 0}, 2, 2, 2, "2+0 = 2");
        add({1, 2}, 3, 1, 3, "1+2 = 3");
        add({2, 1}, 3, 2, 3, "2+1 = 3");
        add({1, 3}, 4, 1, 4, "1+3 = 4");
        add({1, 4}, 5, 1, 5, "1+4 = 5");
        add({2, 3}, 5, 2, 5, "2+3 = 5");
        add({1, 5}, 6, 1, 6, "1+5 = 6");
        add({2, 4}, 6, 2, 6, "2+4 = 6");
        add({1, 6}, 7, 1, 7, "1+6 = 7");
        add({5, 6}, 10, 0, 11, "5+6 = 11");
        add({3, 3, 5}, 10, 1, 11, "3+3+5 = 11");
        add({4, 4, 3}, 10, 2, 11, "4+4+3 = 11");
        add({5, 5, 1}, 10, 3, 11, "5+5+1 = 11");
        add({2, 2, 2, 5}, 10, 4, 11, "2+2+2+5 = 11");
        add({3, 3, 3, 2}, 10, 5, 11, "3+3+3+2 = 11");
        add({5, 5, 6, 6}, 11, 0, 22, "5+5+6+6 = 22");
        add({6, 6, 6, 4}, 11, 1, 22, "6+6+6+4 = 22");
    }
    void castsThatMeetAKey() {
        QFETCH(Values, dice);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, number);
        QFETCH(QString, text);
        const Reading r = Of(dice);
        QVERIFY(r.combinationMet);
        QCOMPARE(r.cell, (Cell{row, column}));
        QCOMPARE(int(r.number), number);
        QCOMPARE(Q(r.texts[NumberText]), text);
        QCOMPARE(Q(r.texts[Stone]), Q(StoneAt(row, column)));
    }

    void ordersThatMeetNoKey_data() {
        QTest::addColumn<Values>("dice");
        QTest::addColumn<int>("number");
        QTest::newRow("6 5") << Values{6, 5} << 2;
        QTest::newRow("3 5 3") << Values{3, 5, 3} << 2;
        QTest::newRow("5 3 3") << Values{5, 3, 3} << 2;
        QTest::newRow("1 4 6") << Values{1, 4, 6} << 2;
        QTest::newRow("5 6 5 6") << Values{5, 6, 5, 6} << 4;
        QTest::newRow("6 6 5 5") << Values{6, 6, 5, 5} << 4;
        QTest::newRow("4 6 6 6") << Values{4, 6, 6, 6} << 4;
        QTest::newRow("0 1") << Values{0, 1} << 1;
        QTest::newRow("3 0 3 5") << Values{3, 0, 3, 5} << 2;
        QTest::newRow("0 0") << Values{0, 0} << 0;
        QTest::newRow("6 6") << Values{6, 6} << 3;
        QTest::newRow("6 6 6 6") << Values{6, 6, 6, 6} << 6;
        QTest::newRow("6 6 6 1") << Values{6, 6, 6, 1} << 1;
    }
    void ordersThatMeetNoKey() {
        QFETCH(Values, dice);
        QFETCH(int, number);
        const Reading r = Of(dice);
        QVERIFY(!r.combinationMet);
        QCOMPARE(int(r.number), number);
        QCOMPARE(r.cell.column, 0);
        QCOMPARE(int(EnochianNumber(r.cell.row)), number);
        QCOMPARE(Q(r.texts[NumberText]), QString::number(number));
    }

    void textsAreExactlyAsTabled() {
        const Reading master = Of({5, 6});
        QCOMPARE(Q(master.texts[Totem]), QStringLiteral("Bear, Bat"));
        QCOMPARE(Q(master.texts[Stone]), QStringLiteral("Rose, Lavender Quartz"));
        QCOMPARE(Q(master.texts[Herb]), QStringLiteral("Pleurisy root"));
        QCOMPARE(Q(master.texts[EssentialOil]), QStringLiteral("Jasmine"));
        QCOMPARE(Q(master.texts[FlowerRemedy]), QStringLiteral("Red Chestnut, Aspen"));
        QVERIFY(master.texts[Interpretation].starts_with("Concentrate and pray to God. All"));

        const Reading zero = Of({0, 0, 0});
        QCOMPARE(Q(zero.texts[NumberText]), QStringLiteral("0"));
        QCOMPARE(Q(zero.texts[Interpretation]), QStringLiteral("NA"));
        QCOMPARE(Q(zero.texts[Stone]), QStringLiteral("Agate"));
        QCOMPARE(Q(zero.texts[Totem]), QStringLiteral("Turtle, Dolphin"));
        QCOMPARE(Q(zero.texts[Herb]), QStringLiteral("Skullcap"));
        QCOMPARE(Q(zero.texts[EssentialOil]), QStringLiteral("Tea Tree"));
        QCOMPARE(Q(zero.texts[FlowerRemedy]), QStringLiteral("Centaury"));

        QCOMPARE(Q(Of({3, 3}).texts[Stone]), QStringLiteral("Apache  Tear, Snowflake"));
        QCOMPARE(Q(Of({4, 4, 3}).texts[FlowerRemedy]), QStringLiteral("Chestnut Bud, Scheranthus"));
        QCOMPARE(Q(Of({1, 0}).texts[Herb]), QStringLiteral("Lavender"));
        QCOMPARE(Q(Of({1, 0}).texts[EssentialOil]), QStringLiteral("Rose"));
        QCOMPARE(Q(Of({2, 3}).texts[Stone]), QStringLiteral("Calcite, Selenite"));
        const Reading seven = Of({3, 4});
        QCOMPARE(Q(seven.texts[Totem]), QStringLiteral("Buffalo, Raven"));
        QCOMPARE(Q(seven.texts[Stone]), QStringLiteral("Hematite, Pyrite"));
        QCOMPARE(Q(seven.texts[Herb]), QStringLiteral("Cascara Sagrada"));
        QCOMPARE(Q(seven.texts[EssentialOil]), QStringLiteral("Lemon"));
        QCOMPARE(Q(seven.texts[FlowerRemedy]), QStringLiteral("Agrimony"));
        QCOMPARE(Q(Of({5, 5, 6, 6}).texts[Stone]), QStringLiteral("Tourmaline"));
        QCOMPARE(Q(Of({6, 6, 6, 4}).texts[Stone]),
                 QStringLiteral("Moldavite, Phenacite, Dioptase"));
        QVERIFY(Of({5, 5, 6, 6}).texts[Interpretation] != Of({6, 6, 6, 4}).texts[Interpretation]);
        // Empty cells stay empty; Kyanite's key is the empty mark, never met.
        QCOMPARE(Q(HerbAt(1, 3)), QString());
        QCOMPARE(Q(InterpretationAt(0, 0)), QStringLiteral("NA"));
    }

    void explanationsSayHowTheNumberCame() {
        const auto working = [](const Values& dice) {
            const Reading r = Of(dice);
            return Q(r.dice) + QStringLiteral(" | ") + Q(r.working);
        };
        QCOMPARE(working(Values{4, 6, 6}), QStringLiteral("4, 6, 6 | 16, 1+6 = 7"));
        QCOMPARE(working(Values{5, 6}), QStringLiteral("5, 6 | 5+6"));
        QCOMPARE(working(Values{6, 6, 6, 1}), QStringLiteral("6, 6, 6, 1 | 19, 1+9 = 10, 1+0 = 1"));
        QCOMPARE(working(Values{0, 2}), QStringLiteral("0, 2 | 2"));
    }

    // Every cast of 2, 3 or 4 dice: a reading is always found, its number
    // text ends in the reduced total unless a master cell is met, and all its
    // texts come from one row.
    void everyCastHasAReading() {
        int casts = 0, met = 0;
        for (int n = 2; n <= 4; ++n) {
            EverySequence(n, [&](const Values& v) {
                ++casts;
                const Reading r = Of(v);
                int total = 0;
                for (auto d : v)
                    total += d;
                const QString number = Q(r.texts[NumberText]);
                QVERIFY(!r.texts[Description].empty());
                QVERIFY(!r.texts[Totem].empty());
                QVERIFY(!r.texts[Interpretation].empty());
                QCOMPARE(Q(r.texts[Description]), Q(NumberDescription(r.cell.row)));
                QCOMPARE(Q(r.texts[Totem]), Q(TotemOf(r.cell.row)));
                QCOMPARE(Q(r.texts[Herb]), Q(HerbAt(r.cell.row, r.cell.column)));
                QCOMPARE(Q(r.texts[EssentialOil]), Q(EssentialOilAt(r.cell.row, r.cell.column)));
                QCOMPARE(Q(r.texts[FlowerRemedy]), Q(FlowerRemedyAt(r.cell.row, r.cell.column)));
                if (r.cell.row >= 10) {
                    QVERIFY(r.combinationMet);
                    QVERIFY(number.endsWith(QStringLiteral(" = ") + QString::number(r.number)));
                } else {
                    QVERIFY(number.endsWith(QString::number(kReducedTotal[total])));
                    QCOMPARE(int(r.number), kReducedTotal[total]);
                }
                met += r.combinationMet;
            });
        }
        QCOMPARE(casts, 49 + 343 + 2401);
        QCOMPARE(met, 19); // exactly the listed casts
    }

    void sameCastSameReading() {
        const Reading a = Of({3, 0, 3, 5});
        const Reading b = Of({3, 0, 3, 5});
        QVERIFY(a.texts == b.texts);
    }

    void descriptionsAndInterpretationsAreDistinct() {
        std::set<std::string_view> seen;
        int paragraphs = 0;
        for (int r = 0; r < kRows; ++r) {
            seen.insert(NumberDescription(r));
            ++paragraphs;
            for (int c = 0; c < kColumns; ++c)
                if (InterpretationAt(r, c) != "NA") {
                    seen.insert(InterpretationAt(r, c));
                    ++paragraphs;
                }
        }
        QCOMPARE(paragraphs, 12 + 31);
        QCOMPARE(int(seen.size()), paragraphs);
    }
};

QTEST_GUILESS_MAIN(TestReading)
#include "tst_reading.moc"
