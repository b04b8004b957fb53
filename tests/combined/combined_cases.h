#pragma once

// Worked examples of the combined footing, shared by the design tests and the window tests:
// the inputs that differ from the window's defaults and what the result fields must show.
// The values of the two layouts are the published worked examples; the others were worked by
// hand from the same formulas (d, steel areas and bar counts re-derived for each change).

#include <string>
#include <utility>
#include <vector>

namespace combined_cases {

using Texts = std::vector<std::pair<std::string, std::string>>;

struct DesignCase {
    std::string name;
    Texts inputs;   // control -> text typed over the default
    bool c2Flush;   // the layout the run must choose
    Texts expected; // control -> caption after the run
};

// Everything the run writes with the default inputs (C1-flush layout, 55 cm effective depth).
inline Texts defaultResults()
{
    return {
        {"Label75", "4.75"},
        {"Label76", "3.1"},
        {"Label77", "0.4"},
        {"Label78", "4.75"},
        {"Label79", "2.5"},
        {"Label80", "0.6"},
        {"Label81", "81.05"},
        {"Label82", "86.84"},
        {"Label83", "37.63"},
        {"Label84", "20.26"},
        {"Label85", "77"},
        {"Label86", "4.99"},
        {"Label87", "12.23"},
        {"Label36", "Safe Shear Stress"},
        {"Label37", "Safe Punch Stress"},
        {"Label29", "48.61"},
        {"Label30", "25"},
        {"Label34", "27.5"},
        {"Label35", "25"},
        {"Label50", "1.05"},
        {"Label40", "16.81"},
        {"Label43", "9"},
        {"Label52", "1.8"},
        {"Label46", "25.21"},
        {"Label48", "13"},
        {"Label38", "Safe Flexural Bond"},
        // The section of this layout reads 10 Φ 12 \ m twice, 25 Φ 16 at the top, 25 Φ 12 at
        // the bottom, 9 Φ 16 over the 1.05 m beam and 13 Φ 16 over the 1.8 m beam.
        {"Label103", "10"},
        {"Label104", "12 \\ m"},
        {"Label106", "10"},
        {"Label105", "12 \\ m"},
        {"Label107", "25"},
        {"Label108", "16"},
        {"Label109", "25"},
        {"Label110", "12"},
        {"Label118", "1.05"},
        {"Label123", "9"},
        {"Label124", "16"},
        {"Label121", "1.8"},
        {"Label125", "13"},
        {"Label126", "16"},
        // Mesh, top and bottom bars are written into the other section as well.
        {"Label95", "10"},
        {"Label96", "12 \\ m"},
        {"Label99", "10"},
        {"Label100", "12 \\ m"},
        {"Label97", "25"},
        {"Label98", "16"},
        {"Label101", "25"},
        {"Label102", "12"},
    };
}

// P1 = 150 t and P2 = 110 t: the resultant lies nearer C1 and the footing ends flush with C2.
inline Texts c2FlushResults()
{
    return {
        {"Label75", "4.75"},
        {"Label76", "3.25"},
        {"Label77", "0.4"},
        {"Label78", "4.75"},
        {"Label79", "2.65"},
        {"Label80", "0.6"},
        {"Label89", "95.76"},
        {"Label90", "78.85"},
        {"Label88", "39.14"},
        {"Label92", "1.44"},
        {"Label93", "79.23"},
        {"Label94", "27.6"},
        {"Label91", "12.72"},
        {"Label36", "Safe Shear Stress"},
        {"Label37", "Safe Punch Stress"},
        {"Label29", "50.02"},
        {"Label30", "25"},
        {"Label34", "29.15"},
        {"Label35", "26"},
        {"Label50", "1.6"},
        {"Label40", "27.13"},
        {"Label43", "14"},
        {"Label52", "1.25"},
        {"Label46", "19.9"},
        {"Label48", "10"},
        {"Label38", "Safe Flexural Bond"},
        {"Label95", "10"},
        {"Label96", "12 \\ m"},
        {"Label97", "25"},
        {"Label98", "16"},
        {"Label101", "26"},
        {"Label102", "12"},
        {"Label99", "10"},
        {"Label100", "12 \\ m"},
        {"Label112", "1.6"},
        {"Label127", "14"},
        {"Label128", "16"},
        {"Label115", "1.25"},
        {"Label129", "10"},
        {"Label130", "16"},
    };
}

// With a 40 cm thickness the required 35 cm depth is just enough or just too much: either way
// t = 0.4 m and d = 35 cm, so both branches must give the same results.
inline Texts thinFootingResults()
{
    return {
        {"Label80", "0.4"},
        {"Label36", "Unsafe Shear Stress"}, // qsh = 10.08 > qcu = 9.68
        {"Label37", "Safe Punch Stress"},
        {"Label29", "76.39"},
        {"Label30", "38"},
        {"Label34", "17.5"},
        {"Label35", "16"},
        {"Label103", "7"},
        {"Label50", "0.85"},
        {"Label40", "26.41"},
        {"Label43", "14"},
        {"Label52", "1.4"},
        {"Label46", "39.61"},
        {"Label48", "20"},
        {"Label38", "Safe Flexural Bond"},
    };
}

inline std::vector<DesignCase> designCases()
{
    return {
        {"Defaults", {}, false, defaultResults()},
        {"C2Flush", {{"Text1", "150"}, {"Text2", "110"}}, true, c2FlushResults()},
        // dr = 35 equals ta - cover: the assumed thickness stands.
        {"AssumedThicknessStands", {{"Text4", "40"}}, false, thinFootingResults()},
        // dr = 35 exceeds ta - cover = 30: t = (35 + 5) / 100.
        {"RequiredDepthGoverns", {{"Text4", "35"}}, false, thinFootingResults()},
        // Mild steel: with 22 mm top bars qb = 13.13 passes 35 but not 11.
        {"MildSteelBondLimit",
         {{"Text11", "2400"}, {"Combo1", "22"}},
         false,
         {{"Label29", "72.92"}, {"Label30", "20"}, {"Label38", "Unsafe Flexural Bond"}}},
        {"MildSteelWrittenWithAPoint",
         {{"Text11", "2400.0"}, {"Combo1", "22"}},
         false,
         {{"Label29", "72.92"}, {"Label30", "20"}, {"Label38", "Unsafe Flexural Bond"}}},
        {"HighTensileBondLimit",
         {{"Text11", "2401"}, {"Combo1", "22"}},
         false,
         {{"Label29", "72.89"}, {"Label30", "20"}, {"Label38", "Safe Flexural Bond"}}},
        // A typed diameter is used and echoed as typed.
        {"TypedTopDiameter",
         {{"Combo1", "20"}},
         false,
         {{"Label30", "16"},
          {"Label98", "20"},
          {"Label108", "20"},
          {"Label38", "Safe Flexural Bond"}}},
        // A long overhang beyond C1 gives a hogging moment at its inner face.
        {"NegativeMomentKeepsItsSign",
         {{"Text1", "150"}, {"Text2", "80"}},
         true,
         {{"Label75", "5.3"},
          {"Label76", "2.55"},
          {"Label89", "83.85"},
          {"Label92", "-27.73"},
          {"Label93", "50.31"},
          {"Label88", "57.28"},
          {"Label91", "34.37"}}},
        // A small C1 fails in punching while C2 passes: the field must still say so.
        {"PunchingFailsAtC1Only",
         {{"Text6", "20"}, {"Text7", "20"}, {"Text4", "40"}},
         false,
         {{"Label75", "4.45"}, {"Label80", "0.4"}, {"Label37", "Unsafe Punch Stress"}}},
        {"PunchingFailsAtC2Only",
         {{"Text8", "20"}, {"Text9", "20"}, {"Text4", "40"}},
         false,
         {{"Label86", "-18.53"}, {"Label37", "Unsafe Punch Stress"}}},
    };
}

} // namespace combined_cases
