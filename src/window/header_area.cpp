// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "header_area.h"

#include "caption_label.h"
#include "core/form/window_layout.h"
#include "form_geometry.h"
#include "link_label.h"
#include "qt_text.h"

#include <QFile>

namespace kavro::window {

namespace {

constexpr int kLineHeight = form::kHeaderLineHeight;

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
    for (const form::HeaderLine& line : form::headerLines())
        headerLine(window, line.name, line.text, fonts.header, kTextEnd, line.top);

    // The second link ends with the texts above; the first stands before it.
    LinkLabel* shop = link(window, fonts, form.Label31);
    placeByRightEdge(shop, kTextEnd, form::kLinksTop);
    widgets.add(Field::Label31, shop);
    LinkLabel* site = link(window, fonts, form.Label30);
    placeByRightEdge(site, shop->x() - form::kLinkGap, form::kLinksTop);
    widgets.add(Field::Label30, site);

    logo_ = new LogoFrame(window);
    logo_->setObjectName(QStringLiteral("Image1"));
    logo_->setGeometry(toQRect(form::kLogoPlace));
    QFile picture(QStringLiteral(":/kavro/logo.jpg"));
    if (picture.open(QIODevice::ReadOnly))
        logo_->showJpeg(picture.readAll());

    spacer(window, "Label28", QString(), fonts.standard, toQRect(form::kTopLeftSpacer));
    spacer(window, "Label29", QString(14, u' '), fonts.standard, toQRect(form::kBottomRightSpacer));
}

} // namespace kavro::window
