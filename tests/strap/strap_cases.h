#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// Strap footing designs worked by hand (the default inputs' values were checked against the
// design's published example) and what each run writes, in order, one line per event as the
// headless command prints them: "Label95=1.9" or "msgbox: TEXT | TITLE".
namespace strap_cases {

using Texts = std::vector<std::pair<std::string, std::string>>;
using Lines = std::vector<std::string>;

struct DesignCase {
    std::string name;
    Texts inputs; // over the default texts
    Lines lines;
};

inline const Lines kDefaults{
    // Footing 1: sizes, depth, secondary and main steel, the drawing's marks.
    "Label95=1.9", "Label96=2.6", "Label97=0.4", "Label98=1.9", "Label99=2", "Label100=0.6",
    "Label52=22", "Label53=20", "Label45=20.9", "Label48=19", "Label111=20", "Label109=19",
    "Label110=12", "Label112=12",
    // Footing 2.
    "Label101=2.45", "Label102=2.1", "Label103=0.4", "Label104=1.85", "Label105=1.5",
    "Label106=0.6", "Label63=16.5", "Label64=15", "Label58=20.35", "Label59=18", "Label123=15",
    "Label125=18", "Label124=12", "Label126=12",
    // Strap: shears, moments (Label81 = 77 * 0.2 - 48.63 * 1600 / 20000; at the faces of C2,
    // in the middle of its 1.85 m footing: Label86 = 51.14 * 1.275^2 / 2 - 110 * 0.35 and
    // Label85 = 51.14 * 0.575^2 / 2), depth, steel.
    "Label76=57.55", "Label77=15.4", "Label78=15.4", "Label79=44.8", "Label80=29.4",
    "Label81=11.51", "Label84=43.12", "Label83=14.25", "Label86=3.06", "Label85=8.45",
    "Label82=45.56", "Label68=1.2", "Label67=0.3", "Label71=13.76", "Label73=7", "Label107=7",
    "Label108=16", "Label121=7", "Label114=16", "Label127=7", "Label128=8", "Label113=4",
    "Label122=4"};

// The lines with some fields' texts replaced.
inline Lines replaced(Lines lines, const Texts &changes)
{
    for (const auto &change : changes) {
        // Named by references: clang 14 cannot capture a structured binding in a lambda.
        const std::string &field = change.first, &text = change.second;
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string &l) {
            return l.rfind(field + "=", 0) == 0;
        });
        if (line != lines.end())
            *line = field + "=" + text;
    }
    return lines;
}

inline Lines withBoxAfter(Lines lines, const std::string &after, const std::string &box)
{
    lines.insert(std::find(lines.begin(), lines.end(), after) + 1, box);
    return lines;
}

inline const std::string kBond1 = "msgbox: Unsafe Flexural Bond | Footing -1-";
inline const std::string kBond2 = "msgbox: Unsafe Flexural Bond | Footing -2-";

inline const Lines kFailsEveryCheck{
    // Footing 1.
    "Label95=1.9", "Label96=1.55", "Label97=0.4", "Label98=1.9", "Label99=0.95", "Label100=0.25",
    "msgbox: Unsafe Shear Stress | Footing -1-", "msgbox: Unsafe Punch Stress | Footing -1-",
    "Label52=6.44", "Label53=6", "Label45=12.74", "Label48=12", "Label111=6", "Label109=12",
    "Label110=12", "Label112=12", kBond1,
    // Footing 2.
    "Label101=2.3", "Label102=1.95", "Label103=0.4", "Label104=1.7", "Label105=1.35",
    "Label106=0.4", "msgbox: Unsafe Shear Stress | Footing -2-",
    "msgbox: Unsafe Punch Stress | Footing -2-", "Label63=9.45", "Label64=9", "Label58=20.05",
    "Label59=18", "Label123=9", "Label125=18", "Label124=12", "Label126=12", kBond2,
    // Strap.
    "Label76=82.21", "Label77=22", "Label78=22", "Label79=80.24", "Label80=58.24", "Label81=16.44",
    "Label84=61.6", "Label83=18.7", "Label86=6.86", "Label85=14.56", "Label82=65.08",
    "Label68=1.45", "Label67=0.3", "Label71=16.14", "Label73=9", "Label107=9", "Label108=16",
    "Label121=9", "Label114=16", "Label127=8", "Label128=8", "Label113=5", "Label122=5"};

inline const std::vector<DesignCase> &designCases()
{
    static const std::vector<DesignCase> cases{
        {"Defaults", {}, kDefaults},
        // Mild steel: bond limit 11 < qb of 11.46 and 11.65; the strap needs more steel.
        {"MildSteel",
         {{"Text12", "2400"}},
         withBoxAfter(withBoxAfter(replaced(kDefaults, {{"Label71", "20.63"},
                                                        {"Label73", "11"},
                                                        {"Label107", "11"},
                                                        {"Label121", "11"}}),
                                   "Label112=12", kBond1),
                      "Label126=12", kBond2)},
        // bs = 40 for both footings; the strap's shear needs only the nominal stirrups.
        {"WideC1NarrowC2",
         {{"Text3", "100"}, {"Text5", "40"}},
         replaced(kDefaults, {{"Label101", "2.35"},
                              {"Label102", "2.15"},
                              {"Label104", "1.75"},
                              {"Label105", "1.55"},
                              {"Label63", "17.05"},
                              {"Label64", "16"},
                              {"Label58", "19.25"},
                              {"Label123", "16"},
                              {"Label79", "43.78"},
                              {"Label80", "28.38"},
                              {"Label83", "13.48"},
                              {"Label86", "2.06"},
                              {"Label85", "7.45"},
                              {"Label67", "0.4"},
                              {"Label127", "6"},
                              {"Label113", "5"},
                              {"Label122", "5"}})},
        // Only the strap's bars follow its list.
        {"StrapBars22",
         {{"Combo5", "22"}},
         replaced(kDefaults, {{"Label73", "4"},
                              {"Label107", "4"},
                              {"Label108", "22"},
                              {"Label121", "4"},
                              {"Label114", "22"},
                              {"Label113", "2"},
                              {"Label122", "2"}})},
        // Each count on the drawing of footing 2 is followed by its own bars' diameter.
        {"FootingTwoDiameters",
         {{"Combo3", "16"}, {"Combo4", "10"}},
         replaced(kDefaults, {{"Label64", "22"},
                              {"Label59", "11"},
                              {"Label123", "22"},
                              {"Label125", "11"},
                              {"Label124", "10"},
                              {"Label126", "16"}})},
        // A thick strap: d = 195, qsu = 1.99 <= qcu, least steel 11.7 cm2 both faces.
        {"ThickStrap",
         {{"Text9", "200"}},
         replaced(kDefaults, {{"Label68", "2"},
                              {"Label71", "11.7"},
                              {"Label73", "6"},
                              {"Label107", "6"},
                              {"Label121", "6"},
                              {"Label127", "6"},
                              {"Label113", "6"},
                              {"Label122", "6"}})},
        // tc1 = 60: w1 = 92.4 * 100 / 210 = 44, Label81 = 77 * 0.3 - 44 * 3600 / 20000.
        {"DeeperC1",
         {{"Text4", "60"}},
         replaced(kDefaults, {{"Label95", "2.1"},
                              {"Label96", "2.35"},
                              {"Label98", "2.1"},
                              {"Label99", "1.75"},
                              {"Label52", "19.25"},
                              {"Label53", "18"},
                              {"Label45", "23.1"},
                              {"Label48", "21"},
                              {"Label111", "18"},
                              {"Label109", "21"},
                              {"Label76", "50.6"},
                              {"Label81", "15.18"},
                              {"Label84", "41.58"},
                              {"Label82", "44.27"},
                              {"Label71", "13.37"},
                              {"Label127", "6"}})},
        // A strap thinner than it needs: dr = up5(73.94) = 75 > 60 - 5, so d = 75 and the
        // thickness 0.8 m. Ast = 4555830 / (0.8 * 3600 * 75) = 21.09 cm2: 11 bars of 16.
        // Stirrups: Q = 57.55 - 48.63 * 0.375 = 39.31 t, qsu = 39310 / (0.87 * 30 * 75) = 20.08,
        // qs = 20.08 - 4.84 = 15.24, s = 2400 / (30 * 15.24) = 5.25 cm: 100 / 5.25 = 19.05, 20.
        // The other face takes 0.3 * 21.09 = 6.33 cm2, more than 0.2 % of 30 * 75 = 4.5: 4 bars
        // (a quarter of Ast, 5.27 cm2, would need only 3).
        {"ShallowStrap",
         {{"Text9", "60"}},
         replaced(kDefaults, {{"Label68", "0.8"},
                              {"Label71", "21.09"},
                              {"Label73", "11"},
                              {"Label107", "11"},
                              {"Label121", "11"},
                              {"Label127", "20"}})},
        // Weak concrete, thin footings, strong soil: every check fails, depths grow past the
        // assumed ones, and the run still writes every field.
        {"FailsEveryCheck",
         {{"Text1", "100"}, {"Text2", "200"}, {"Text8", "20"}, {"Text11", "100"}, {"Text13", "3"}},
         kFailsEveryCheck},
    };
    return cases;
}

// The seven fields the strap's bar diameter alone decides.
inline const std::vector<std::string> kStrapBarFields{
    "Label73", "Label107", "Label108", "Label121", "Label114", "Label113", "Label122"};

} // namespace strap_cases
