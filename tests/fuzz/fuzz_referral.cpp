// SPDX-License-Identifier: MIT
// The referral address, for any five texts: it parses back to exactly the
// trimmed texts and the product site's address, and nothing else.
#include "TellAFriend.h"

#include <QStringList>
#include <QUrl>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace dicemere;

namespace {

QString Typed(FuzzedDataProvider& data, bool last) {
    const std::string bytes =
        last ? data.ConsumeRemainingBytesAsString() : data.ConsumeRandomLengthString(2000);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void Require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    Referral typed;
    typed.name = Typed(data, false);
    typed.email = Typed(data, false);
    typed.message = Typed(data, false);
    typed.friendName = Typed(data, false);
    typed.friendEmail = Typed(data, true);
    const Referral r = ReferAFriend::Trimmed(typed);
    for (const QString* t : {&r.name, &r.email, &r.message, &r.friendName, &r.friendEmail})
        Require(!t->startsWith(QLatin1Char(' ')) && !t->endsWith(QLatin1Char(' ')));

    const QString address = ReferAFriend::ReferralAddress(r);
    const QUrl url(address, QUrl::StrictMode);
    Require(url.isValid());
    Require(url.scheme() == QLatin1String("https"));
    Require(url.host() == QLatin1String("www.example.com"));
    Require(url.path() == QLatin1String("/refer-a-friend.php"));
    Require(!url.hasFragment());
    const QStringList pairs = url.query(QUrl::FullyEncoded).split(QLatin1Char('&'));
    Require(pairs.size() == 6);
    const QString expected[] = {r.name,        r.email,
                                r.message,     r.friendName,
                                r.friendEmail, QStringLiteral("https://dicemere.example.com/")};
    for (int i = 0; i < 6; ++i) {
        const QString key = QStringLiteral("taf%1=").arg(i + 1);
        Require(pairs[i].startsWith(key));
        Require(QUrl::fromPercentEncoding(pairs[i].mid(key.size()).toLatin1()) == expected[i]);
    }
    return 0;
}
