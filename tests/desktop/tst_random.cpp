// SPDX-License-Identifier: MIT
// The random source and the conversions the cast is built on.
#include "DiceCast.h"
#include "Random.h"

#include <QTest>
#include <array>
#include <cmath>

using namespace dicemere;

namespace {

// The face an exact value x = 5r + 1 rounds to, found without nearbyint:
// compare the fractional part with one half, and send ties to the even side.
int ExpectedRound(double x) {
    const double whole = std::floor(x);
    const double frac = x - whole;
    if (frac > 0.5)
        return static_cast<int>(whole) + 1;
    if (frac < 0.5)
        return static_cast<int>(whole);
    return static_cast<int>(whole) % 2 == 0 ? static_cast<int>(whole) : static_cast<int>(whole) + 1;
}

double ChiSquare(const std::vector<long>& counts, const std::vector<double>& p, long total) {
    double chi = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double expected = p[i] * static_cast<double>(total);
        const double d = static_cast<double>(counts[i]) - expected;
        chi += d * d / expected;
    }
    return chi;
}

} // namespace

class TestRandom : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundsHalfToEven() {
        QCOMPARE(RoundHalfEven(0.5), 0);
        QCOMPARE(RoundHalfEven(1.5), 2);
        QCOMPARE(RoundHalfEven(2.5), 2);
        QCOMPARE(RoundHalfEven(3.5), 4);
        QCOMPARE(RoundHalfEven(4.5), 4);
        QCOMPARE(RoundHalfEven(6.5), 6);
        QCOMPARE(RoundHalfEven(2.4999999), 2);
        QCOMPARE(RoundHalfEven(2.5000001), 3);
        QCOMPARE(RoundHalfEven(-0.5), 0);
        QCOMPARE(RoundHalfEven(-1.5), -2);
        QCOMPARE(RoundHalfEven(-2.5), -2);
        QCOMPARE(RoundHalfEven(-2.6), -3);
    }

    void exactBoundaries_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("landing");
        QTest::newRow("0") << 0.0f << 1 << 0;
        QTest::newRow("0.25") << 0.25f << 2 << 0; // 2r = 0.5 goes to 0
        QTest::newRow("0.5") << 0.5f << 4 << 1;   // 5r + 1 = 3.5 goes to 4
        QTest::newRow("0.75") << 0.75f << 5 << 2; // 2r = 1.5 goes to 2
        QTest::newRow("below 1") << std::nextafter(1.0f, 0.0f) << 6 << 2;
    }
    void exactBoundaries() {
        QFETCH(float, r);
        QFETCH(int, face);
        QFETCH(int, landing);
        QCOMPARE(FaceFromDraw(r), face);
        QCOMPARE(LandingFromDraw(r), landing);
    }

    // 0.1, 0.3, 0.7 and 0.9 are not floats: the float nearest each, and its
    // neighbours, fall on whichever side the exact product puts them.
    void inexactBoundaries_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("face");
        const auto add = [](const char* name, float r, int face) {
            QTest::newRow(name) << r << face;
        };
        add("0.1 down", std::nextafter(0.1f, 0.0f), 1);
        add("0.1", 0.1f, 2); // the float lies just above 0.1
        add("0.1 up", std::nextafter(0.1f, 1.0f), 2);
        add("0.3 down", std::nextafter(0.3f, 0.0f), 2);
        add("0.3", 0.3f, 3); // just above 0.3: 5r + 1 lies just above 2.5
        add("0.3 up", std::nextafter(0.3f, 1.0f), 3);
        add("0.7 down", std::nextafter(0.7f, 0.0f), 4);
        add("0.7", 0.7f, 4); // just below 0.7
        add("0.7 up", std::nextafter(0.7f, 1.0f), 5);
        add("0.9 down", std::nextafter(0.9f, 0.0f), 5);
        add("0.9", 0.9f, 5); // just below 0.9: 5r + 1 lies just below 5.5
        add("0.9 up", std::nextafter(0.9f, 1.0f), 6);
    }
    void inexactBoundaries() {
        QFETCH(float, r);
        QFETCH(int, face);
        const double exact = 5.0 * static_cast<double>(r) + 1.0; // exact in double
        QCOMPARE(ExpectedRound(exact), face);
        QCOMPARE(FaceFromDraw(r), face);
    }

    void rawValuesMapIntoUnitInterval() {
        QCOMPARE(UnitFloatFromRaw(0), 0.0f);
        const float top = UnitFloatFromRaw(0xFFFFFFFFu);
        QVERIFY(top < 1.0f);
        QCOMPARE(top, std::nextafter(1.0f, 0.0f));
        QCOMPARE(UnitFloatFromRaw(0x80000000u), 0.5f);
        QCOMPARE(UnitFloatFromRaw(0xFFu), 0.0f); // the low bits are dropped
    }

    void generatorDistributions() {
        ClockSeededRandom random;
        random.Seed(20261208u);
        constexpr long kDraws = 1000000;
        std::vector<long> faces(6, 0);
        std::vector<long> landings(3, 0);
        for (long i = 0; i < kDraws; ++i) {
            const float r = random.DrawUniform();
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++faces[static_cast<std::size_t>(FaceFromDraw(r) - 1)];
            ++landings[static_cast<std::size_t>(LandingFromDraw(r))];
        }
        // Critical values at p = 0.001: 20.52 for 5 degrees of freedom, 13.82 for 2.
        const double faceChi = ChiSquare(faces, {0.1, 0.2, 0.2, 0.2, 0.2, 0.1}, kDraws);
        const double landingChi = ChiSquare(landings, {0.25, 0.5, 0.25}, kDraws);
        QVERIFY2(faceChi < 20.52, qPrintable(QString::number(faceChi)));
        QVERIFY2(landingChi < 13.82, qPrintable(QString::number(landingChi)));
        // And the uniform alternative for faces is clearly rejected.
        QVERIFY(ChiSquare(faces, std::vector<double>(6, 1.0 / 6), kDraws) > 1000);
    }

    // Clock readings a tick apart, or apart only above 32 bits, seed
    // different draws.
    void clockSeedsDiffer_data() {
        QTest::addColumn<qint64>("later");
        const qint64 now = 1796688000LL * 1000000000LL; // a reading in nanoseconds
        QTest::newRow("a tick later") << now + 1;
        QTest::newRow("a millisecond later") << now + 1000000;
        QTest::newRow("2^32 ticks later") << now + (qint64(1) << 32);
    }
    void clockSeedsDiffer() {
        QFETCH(qint64, later);
        const qint64 now = 1796688000LL * 1000000000LL;
        QVERIFY(SeedFromTicks(now) != SeedFromTicks(later));
        ClockSeededRandom a;
        ClockSeededRandom b;
        a.Seed(SeedFromTicks(now));
        b.Seed(SeedFromTicks(later));
        std::array<float, 4> x{a.DrawUniform(), a.DrawUniform(), a.DrawUniform(), a.DrawUniform()};
        std::array<float, 4> y{b.DrawUniform(), b.DrawUniform(), b.DrawUniform(), b.DrawUniform()};
        QVERIFY(x != y);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
