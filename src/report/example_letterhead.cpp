// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "example_letterhead.h"

namespace kavro {

void typeExampleLetterhead(WordProcessor& word) {
    word.addDocument();
    word.setAlignment(Alignment::Center);
    word.setBold(true);
    word.setFontSize(16);
    word.typeText("НАЗВАНИЕ ОРГАНИЗАЦИИ\n");
    word.setBold(false);
    word.setFontSize(10);
    word.typeText("Адрес · телефон · электронная почта · сайт\n");
    word.typeText("________________________________________________________________\n");
    word.typeText("\n");
    word.handOver();
}

} // namespace kavro
