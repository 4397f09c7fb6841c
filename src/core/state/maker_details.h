// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// The drive maker's details shown in the window's header. The company and its
// addresses are fictitious; the web addresses use the reserved ".example"
// domain so that no real site is ever opened.
namespace kavro::maker {

inline constexpr std::string_view kCompany = "ООО «Кавро Привод», 2024";
inline constexpr std::string_view kAddress = "620014, г. Екатеринбург, ул. Заводская, 17";
inline constexpr std::string_view kTelephone = "тел. +7 (343) 555-01-17, доб. 204";

inline constexpr std::string_view kSiteCaption = "www.kavro.example";
inline constexpr std::string_view kSiteUrl = "https://www.kavro.example/";
inline constexpr std::string_view kShopCaption = "shop.kavro.example";
inline constexpr std::string_view kShopUrl = "https://shop.kavro.example/";

} // namespace kavro::maker
