// SPDX-License-Identifier: MIT
// The web pages the program opens, and the openers that open them.
#pragma once

#include "PlatformInterfaces.h"

namespace dicemere {

// The maker's site and the product's; the maker's is opened bare: no path, no trailing slash.
namespace sites {
inline constexpr const char* kMaker = "https://www.example.com";
inline constexpr const char* kMakerHost = "www.example.com";
inline constexpr const char* kProduct = "https://dicemere.example.com";
} // namespace sites

namespace links {
inline constexpr const char* kOnlineHelp = "https://dicemere.example.com/dicemere-help.html";
inline constexpr const char* kHomePage = "https://www.example.com";
inline constexpr const char* kCataloguePage = "https://www.example.com/software.html";
inline constexpr const char* kDonatePage = "https://help.example.com/donate.html";
inline constexpr const char* kFullBrandPage = "https://help.example.com/fully-branded.html";
inline constexpr const char* kCoBrandPage = "https://help.example.com/co-brand.html";
inline constexpr const char* kDownloadPage = "https://dicemere.example.com/download-dicemere.html";
inline constexpr const char* kReferAFriend = "https://www.example.com/refer-a-friend.php";
} // namespace links

// The link openers. Each passes its complete address to OpenUrl and returns.
class modHelp {
public:
    explicit modHelp(UrlOpener& opener) : opener_(opener) {}

    void OpenUrl(const QString& address) const { opener_.Open(address); }

    void OpenOnlineHelp() const { OpenUrl(QString::fromLatin1(links::kOnlineHelp)); }
    void OpenHomePage() const { OpenUrl(QString::fromLatin1(links::kHomePage)); }
    void OpenCataloguePage() const { OpenUrl(QString::fromLatin1(links::kCataloguePage)); }
    void OpenDonatePage() const { OpenUrl(QString::fromLatin1(links::kDonatePage)); }
    void OpenFullBrandPage() const { OpenUrl(QString::fromLatin1(links::kFullBrandPage)); }
    void OpenCoBrandPage() const { OpenUrl(QString::fromLatin1(links::kCoBrandPage)); }
    void OpenDownloadPage() const { OpenUrl(QString::fromLatin1(links::kDownloadPage)); }

private:
    UrlOpener& opener_;
};

} // namespace dicemere
