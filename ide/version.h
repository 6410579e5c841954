// The version text that the console banner, the splash and the about box show.
#pragma once

namespace kau::ide {

inline constexpr char kVersionText[] = "Versao 4.06";

}  // namespace kau::ide
