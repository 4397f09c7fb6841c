// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "header_area.h"

#include "caption_label.h"
#include "core/state/maker_details.h"
#include "link_label.h"
#include "qt_text.h"

#include <QFile>

namespace kavro::window {

namespace {

// Each header line is 16 pixels high; tops in client pixels.
constexpr int kLineHeight = 16;
constexpr int kCompanyTop = 10;
constexpr int kAddressTop = 29;
constexpr int kTelephoneTop = 48;
constexpr int kLinksTop = 65;
// Between the two links.
constexpr int kLinkGap = 23;

const QRect kLogoPlace(680, 8, 201, 88);
const QRect kTopLeftSpacer(0, 0, 3, 13);
const QRect kBottomRightSpacer(855, 555, 42, 13);

QLabel* headerLine(QWidget* window, const char* name, std::string_view text, const QFont& font,
                   int rightEdge, int top) {
    QLabel* label = captionLabel(window, name, toQString(text), font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->resize(label->width(), kLineHeight);
    placeByRightEdge(label, rightEdge, top);
    return label;
}

LinkLabel* link(QWidget* window, const WindowFonts& fonts, const Label& state) {
    auto* label = new LinkLabel(window);
    label->setFont(fonts.link);
    label->setText(toQString(state.caption()));
    label->setToolTip(toQString(state.url()));
    label->setAccessibleDescription(toQString(state.url()));
    label->adjustSize();
    label->resize(label->width(), kLineHeight);
    return label;
}

void spacer(QWidget* window, const char* name, const QString& caption, const QFont& font,
            const QRect& place) {
    QLabel* label = captionLabel(window, name, caption, font);
    label->setGeometry(place);
}

} // namespace

HeaderArea::HeaderArea(QWidget* window, const WindowFonts& fonts, const TForm1& form,
                       FieldWidgets& widgets) {
    headerLine(window, "Label22", maker::kCompany, fonts.header, kTextEnd, kCompanyTop);
    headerLine(window, "Label25", maker::kAddress, fonts.header, kTextEnd, kAddressTop);
    headerLine(window, "Label26", maker::kTelephone, fonts.header, kTextEnd, kTelephoneTop);

    // The second link ends with the texts above; the first stands before it.
    LinkLabel* shop = link(window, fonts, form.Label31);
    placeByRightEdge(shop, kTextEnd, kLinksTop);
    widgets.add(Field::Label31, shop);
    LinkLabel* site = link(window, fonts, form.Label30);
    placeByRightEdge(site, shop->x() - kLinkGap, kLinksTop);
    widgets.add(Field::Label30, site);

    logo_ = new LogoFrame(window);
    logo_->setObjectName(QStringLiteral("Image1"));
    logo_->setGeometry(kLogoPlace);
    QFile picture(QStringLiteral(":/kavro/logo.jpg"));
    if (picture.open(QIODevice::ReadOnly))
        logo_->showJpeg(picture.readAll());

    spacer(window, "Label28", QString(), fonts.standard, kTopLeftSpacer);
    spacer(window, "Label29", QString(14, u' '), fonts.standard, kBottomRightSpacer);
}

} // namespace kavro::window
