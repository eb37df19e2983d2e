// SPDX-License-Identifier: MIT
#include "TellAFriend.h"

#include <QUrl>

namespace dicemere {

QString ReferAFriend::TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

Referral ReferAFriend::Trimmed(const Referral& t) {
    return {TrimSpaces(t.name), TrimSpaces(t.email), TrimSpaces(t.message),
            TrimSpaces(t.friendName), TrimSpaces(t.friendEmail)};
}

QString ReferAFriend::CheckAddresses(const Referral& r) {
    if (r.email == r.friendEmail)
        return tr("Please Enter Distinct Email Addresses");
    const auto lacks = [&r](QLatin1Char c) {
        return !r.email.contains(c) || !r.friendEmail.contains(c);
    };
    if (lacks(QLatin1Char('@')) || lacks(QLatin1Char('.')))
        return tr("Please Enter Proper Email Address");
    return {};
}

QString ReferAFriend::CheckFields(const Referral& r) {
    struct Field {
        const QString& text;
        QString placeholder;
        const char* message;
    };
    const Field fields[] = {
        {r.name, NamePlaceholder(), QT_TR_NOOP("Please Enter Your Name")},
        {r.email, EmailPlaceholder(), QT_TR_NOOP("Please Enter Your Email")},
        {r.message, MessagePlaceholder(), QT_TR_NOOP("Please Enter Your Message")},
        {r.friendName, FriendNamePlaceholder(), QT_TR_NOOP("Please Enter Your Friend's Name")},
        {r.friendEmail, FriendEmailPlaceholder(), QT_TR_NOOP("Please Enter Your Friend's Email")},
    };
    for (const Field& f : fields)
        if (f.text.isEmpty() || f.text == f.placeholder)
            return tr(f.message);
    return {};
}

QString ReferAFriend::ReferralAddress(const Referral& r) {
    const auto encoded = [](const QString& value) {
        return QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    const QString product = QString::fromLatin1(sites::kProduct) + QLatin1Char('/');
    return QString::fromLatin1(links::kReferAFriend.data(), links::kReferAFriend.size() - 1) +
           QStringLiteral("?taf1=") + encoded(r.name) + QStringLiteral("&taf2=") +
           encoded(r.email) + QStringLiteral("&taf3=") + encoded(r.message) +
           QStringLiteral("&taf4=") + encoded(r.friendName) + QStringLiteral("&taf5=") +
           encoded(r.friendEmail) + QStringLiteral("&taf6=") + encoded(product);
}

void ReferAFriend::SendTellAFriend(const Referral& r, MessageBoxes& boxes, const LinkOpeners& help,
                                   QWidget* parent) {
    const QString problem = CheckFields(r);
    if (!problem.isEmpty()) {
        boxes.Show(parent, MsgIcon::Error, MsgButtons::Ok, problem);
        return;
    }
    help.OpenUrl(ReferralAddress(r));
}

} // namespace dicemere
