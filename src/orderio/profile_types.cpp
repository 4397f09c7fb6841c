// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "profile_types.h"

#include "core/input/user_input.h"
#include "core/platform/recording_services.h"

#include <algorithm>

namespace kavro {

ProfileTypes::ProfileTypes() {
    RecordingServices services;
    TForm1 form(services.services());
    UserInput input(form);
    input.start();
    makers_ = form.Profil.items();
    for (std::size_t maker = 0; maker < makers_.size(); ++maker) {
        std::vector<Type>& types = types_.emplace_back();
        input.pick(Field::Profil, static_cast<std::int64_t>(maker));
        const std::vector<std::string> names = form.TipProfilya.items();
        for (std::size_t type = 0; type < names.size(); ++type) {
            input.pick(Field::TipProfilya, static_cast<std::int64_t>(type));
            types.push_back({names[type], form.Tolwina.text(), form.Massa.text()});
        }
    }
}

const std::vector<ProfileTypes::Type>& ProfileTypes::typesOf(std::string_view maker) const {
    static const std::vector<Type> none;
    const auto it = std::find(makers_.begin(), makers_.end(), maker);
    return it == makers_.end() ? none : types_[static_cast<std::size_t>(it - makers_.begin())];
}

const ProfileTypes::Type* ProfileTypes::find(std::string_view maker, std::string_view name) const {
    const std::vector<Type>& types = typesOf(maker);
    const auto it =
        std::find_if(types.begin(), types.end(), [&](const Type& t) { return t.name == name; });
    return it == types.end() ? nullptr : &*it;
}

} // namespace kavro
