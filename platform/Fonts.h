// The fonts the program names, resolved to the fonts installed here: "Arial" and any family
// not installed to a sans serif found through fontconfig (DejaVu Sans, else Liberation Sans),
// the Greek font ("Symbol", or the family the configuration names) to that sans serif with
// Latin letters shown as Greek ones, and "Ravar Oder" to the symbol font file registered for
// the run. Everything here needs a Qt application (a TGuiSession) and the main thread.
#ifndef VELARION_PLATFORM_FONTS_H
#define VELARION_PLATFORM_FONTS_H

#include <string>
#include <string_view>

namespace velplatform {

inline constexpr std::string_view kSymbolFontFamily = "Ravar Oder";
inline constexpr std::string_view kGreekFontFamily = "Symbol";

// Registers the font file as the symbol font in place of one registered before; false,
// and none registered, when the file is missing or not a font or no Qt application runs
// (the program then draws its symbols as shapes). The path is the file system's bytes.
bool RegisterSymbolFont(const std::string& path);
void UnregisterSymbolFont();
bool SymbolFontRegistered();

// The installed family that draws text the program gives in `family`: the symbol font's
// own family for "Ravar Oder" once registered, the sans serif for "Arial", for Greek fonts
// and for any family not installed, else `family` itself (names compared ignoring case).
std::string InstalledFamily(std::string_view family, bool greek);

// The sans serif standing in for "Arial" and the Greek font.
std::string SansSerifFamily();

// Text drawn in the Greek font: Latin letters become the Greek letters the classic Greek
// font shows for them (a α, b β, g γ, d δ, e ε, z ζ, h η, q θ, i ι, k κ, l λ, m μ, n ν,
// x ξ, o ο, p π, r ρ, s σ, t τ, u υ, j and f φ, c χ, y ψ, w ω, v ϖ, capitals alike, V ς);
// everything else is left as it is.
std::u16string GreekText(std::u16string_view text);

}  // namespace velplatform

#endif
