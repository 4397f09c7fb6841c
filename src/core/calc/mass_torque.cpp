// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../calc_error.h"
#include "../text/number_text.h"
#include "../tform1.h"

namespace kavro {

namespace {

enum Fixing { kWithStrap = 0, kWithoutStrap = 1, kFastlink = 2 };
enum Mounting { kOutdoor = 0, kIndoor = 1 };

// Above this height (mm) an outdoor curtain winds more layers into the lever.
constexpr double kTallCurtain = 2700;

} // namespace

// The strap allowance depends on the exact shaft text: "40,0" or "102" get
// none, while Fastlink adds 5 mm to any shaft.
double TForm1::windingDiameter() const {
    const std::string& shaft = Diametr.text();
    double d0 = StrToFloat(shaft);
    switch (Kreplenie.itemIndex()) {
    case kWithStrap:
        if (shaft == "40" || shaft == "60")
            d0 = d0 + 28;
        else if (shaft == "70")
            d0 = d0 + 32;
        break;
    case kFastlink:
        d0 = d0 + 5;
        break;
    default:
        break;
    }
    return d0;
}

// Total mass (kg): the curtain's area times its specific weight, plus the end
// profile's weight per metre times the width.
void TForm1::RaschetFullMassa() {
    traced("RaschetFullMassa");
    const double h = StrToFloat(Visota.text()) / 1000;
    const double a = StrToFloat(Wirina.text()) * h / 1000;
    const double m = StrToFloat(Massa.text()) * a;
    const double e = StrToFloat(NizhniyProfil.text());
    const double total = StrToFloat(Wirina.text()) * e / 1000 + m;
    FullMassa.setText(FloatToStr(RoundTo2(total)));
}

// Required torque (Nm) from the displayed mass: M x 10 N/kg on a lever of half
// the diameter (winding diameter plus k profile thicknesses), in metres.
void TForm1::RaschetMomenta() {
    traced("RaschetMomenta");
    const double d0 = windingDiameter();
    double k = 4;
    if (Montazh.itemIndex() != kIndoor)
        k = StrToFloat(Visota.text()) <= kTallCurtain ? 6 : 8;
    try {
        const double mass = StrToFloat(FullMassa.text());
        const double t = StrToFloat(Tolwina.text());
        const double torque = RoundTo2((t * k + d0) * mass / 200);
        Moment.setText(FloatToStr(torque));
    } catch (const CalcError&) {
        Moment.setText("0");
    }
}

void TForm1::FullMassaChange() {
    traced("FullMassaChange");
    if (!Visota.text().empty())
        RaschetMomenta();
}

} // namespace kavro
