// SPDX-License-Identifier: MIT
// The web pages the program opens, and the openers that open them.
#pragma once

#include "AppInfo.h"
#include "PlatformInterfaces.h"

#include <array>
#include <cstddef>

namespace dicemere {

// A site's address and a path, joined when the program is built: each opener passes one
// constant, and each site is written once.
template <std::size_t N, std::size_t M>
constexpr std::array<char, N + M - 1> JoinAddress(const char (&site)[N], const char (&path)[M]) {
    std::array<char, N + M - 1> address{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        address[i] = site[i];
    for (std::size_t i = 0; i < M; ++i)
        address[N - 1 + i] = path[i];
    return address;
}

// The maker's site and the product's come from the build (AppInfo.h); the maker's is opened
// bare: no path, no trailing slash.
namespace sites {
inline constexpr const auto& kMaker = kMakerSite;
// The maker's site as the windows write it, without its scheme.
inline constexpr const char* kMakerHost = kMakerSiteHost;
inline constexpr const auto& kProduct = kProductSite;
// The maker's site for help and its offers.
inline constexpr char kHelp[] = "https://help.example.com";
} // namespace sites

namespace links {
inline constexpr auto kOnlineHelp = JoinAddress(kHelpPage, "");
inline constexpr auto kHomePage = JoinAddress(sites::kMaker, "");
inline constexpr auto kCataloguePage = JoinAddress(sites::kMaker, "/software.html");
inline constexpr auto kDonatePage = JoinAddress(sites::kHelp, "/donate.html");
inline constexpr auto kFullBrandPage = JoinAddress(sites::kHelp, "/fully-branded.html");
inline constexpr auto kCoBrandPage = JoinAddress(sites::kHelp, "/co-brand.html");
inline constexpr auto kDownloadPage = JoinAddress(sites::kProduct, "/download-dicemere.html");
inline constexpr auto kReferAFriend = JoinAddress(sites::kMaker, "/refer-a-friend.php");
} // namespace links

// The link openers. Each passes its complete address to OpenUrl and returns.
class LinkOpeners {
public:
    explicit LinkOpeners(UrlOpener& opener) : opener_(opener) {}

    void OpenUrl(const QString& address) const { opener_.Open(address); }
    template <std::size_t N> void OpenUrl(const std::array<char, N>& address) const {
        OpenUrl(QString::fromLatin1(address.data(), N - 1));
    }

    void OpenOnlineHelp() const { OpenUrl(links::kOnlineHelp); }
    void OpenHomePage() const { OpenUrl(links::kHomePage); }
    void OpenCataloguePage() const { OpenUrl(links::kCataloguePage); }
    void OpenDonatePage() const { OpenUrl(links::kDonatePage); }
    void OpenFullBrandPage() const { OpenUrl(links::kFullBrandPage); }
    void OpenCoBrandPage() const { OpenUrl(links::kCoBrandPage); }
    void OpenDownloadPage() const { OpenUrl(links::kDownloadPage); }

private:
    UrlOpener& opener_;
};

} // namespace dicemere
