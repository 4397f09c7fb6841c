// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tform1.h"

namespace kavro {

TForm1::TForm1(Services services) : services_(std::move(services)) {
    wireHandlers();
    FormCreate();
}

void TForm1::wireHandlers() {
    Profil.onChange = [this] { ProfilChange(); };
    TipProfilya.onChange = [this] { TipProfilyaChange(); };
    Montazh.onClick = [this] { MontazhClick(); };
    Diametr.onChange = [this] { DiametrChange(); };
    Tolwina.onChange = [this] { TolwinaChange(); };
    Tolwina.onExit = [this] { TolwinaExit(); };
    Visota.onChange = [this] { VisotaChange(); };
    Visota.onExit = [this] { VisotaExit(); };
    Wirina.onChange = [this] { WirinaChange(); };
    Wirina.onExit = [this] { WirinaExit(); };
    Massa.onChange = [this] { MassaChange(); };
    Massa.onExit = [this] { MassaExit(); };
    NizhniyProfil.onChange = [this] { NizhniyProfilChange(); };
    NizhniyProfil.onExit = [this] { NizhniyProfilExit(); };
    Upravlenie.onClick = [this] { UpravlenieClick(); };
    Kreplenie.onClick = [this] { KreplenieClick(); };
    NHK.onClick = [this] { NHKClick(); };
    FullMassa.onChange = [this] { FullMassaChange(); };
    Oboroti.onChange = [this] { SpeedChange(); };
    Speed.onChange = [this] { SpeedChange(); };
    TabControl1.onChange = [this] { TabControl1Change(); };
}

// The window's creation needs nothing: the state starts in its creation
// contents and all set-up waits for the first activation.
void TForm1::FormCreate() {}

void TForm1::Label30Click() {
    traced("Label30Click");
    services_.urlOpener.open(Label30.url());
}

void TForm1::Label31Click() {
    traced("Label31Click");
    services_.urlOpener.open(Label31.url());
}

} // namespace kavro
