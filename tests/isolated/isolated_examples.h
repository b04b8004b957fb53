#pragma once

#include <string>
#include <utility>
#include <vector>

// Worked examples of the isolated footing: inputs that differ from the window's default texts,
// the texts the result fields must show, and intermediate values (with the accuracy they are
// known to). Shared by the design tests and the window tests.
namespace isolated_examples {

using Texts = std::vector<std::pair<std::string, std::string>>;

struct Approx {
    std::string symbol;
    double value;
    double tolerance;
};

struct Example {
    std::string name;
    int footingCase;
    Texts inputs; // control -> text; the other inputs keep their default texts
    Texts fields; // control -> the exact text it must show
    std::vector<Approx> trace;
};

inline const char *kSafeShear = "Safe Shear Stress";
inline const char *kUnsafeShear = "Unsafe Shear Stress";
inline const char *kNoShear = "No Shear";
inline const char *kSafePunch = "Safe Punch Stress";
inline const char *kUnsafePunch = "Unsafe Punch Stress";
inline const char *kNoPunch = "No Punch";
inline const char *kSafeBond = "Safe Flexural Bond";
inline const char *kUnsafeBond = "Unsafe Flexural Bond";

// The concentric case on its default texts: P 90, column 60 x 30, t1 40, t 60, cover 5,
// fcu 250, fy 3600, qall 1.25, both lists 12.
inline Texts concentricDefaults(const char *bond)
{
    return {{"Label37", "2.45"},     {"Label38", "2.2"},      {"Label39", "0.4"},
            {"Label40", "1.85"},     {"Label41", "1.6"},      {"Label42", "0.6"},
            {"Label33", kSafeShear}, {"Label34", kSafePunch}, {"Label31", "17.6"},
            {"Label28", "16"},       {"Label17", "20.35"},    {"Label27", "18"},
            {"Label35", bond},       {"Label46", "16"},       {"Label48", "18"},
            {"Label47", "12"},       {"Label49", "12"}};
}

inline std::vector<Example> examples()
{
    return {
        // Apc = 52800 (to the rounding of 1.1), B1 = 220 and Apc / B1 = 240: L1 still goes up
        // to 245.
        {"Concentric_Defaults",
         0,
         {},
         concentricDefaults(kSafeBond),
         {{"Apc", 52800, 1e-6},
          {"B1", 220, 0},
          {"L1", 245, 0},
          {"dreq", 15.3, 0.05},
          {"d", 55, 0},
          {"qb", 11.59, 0.005}}},
        {"Concentric_MildSteelBondLimit",
         0,
         {{"Text8", "2400"}},
         concentricDefaults(kUnsafeBond),
         {{"qb", 11.59, 0.005}}},
        {"Concentric_Bars25Long16Short",
         0,
         {{"Combo2", "25"}, {"Combo1", "16"}},
         {{"Label28", "4"},
          {"Label27", "11"},
          {"Label47", "25"},
          {"Label49", "16"},
          {"Label35", kSafeBond}},
         {{"qb", 22.2, 0.05}}},
        {"Concentric_P400",
         0,
         {{"Text1", "400"}},
         {{"Label37", "5"},
          {"Label40", "4.4"},
          {"Label41", "4.1"},
          {"Label42", "0.6"},
          {"Label33", kSafeShear},
          {"Label34", kUnsafePunch},
          {"Label31", "113.95"},
          {"Label28", "101"}},
         {{"L1", 500, 0}}},
        {"Concentric_P400_ThinFooting",
         0,
         {{"Text1", "400"}, {"Text3", "40"}},
         {{"Label42", "0.45"}, {"Label33", kUnsafeShear}, {"Label34", kUnsafePunch}},
         {{"dreq", 39.8, 0.05}, {"d", 40, 0}}},
        {"Concentric_P1_RcTakesPcSize",
         0,
         {{"Text1", "1"}},
         {{"Label37", "0.4"},
          {"Label38", "0.15"},
          {"Label40", "0.4"},
          {"Label41", "0.15"},
          {"Label33", kNoShear},
          {"Label34", kNoPunch}},
         {{"B1", 15, 0}, {"L1", 40, 0}}},
        {"Concentric_P10_FiveCentimetreWidth",
         0,
         {{"Text1", "10"}},
         {{"Label41", "0.05"}, {"Label33", kNoShear}, {"Label34", kNoPunch}},
         {{"B1", 65, 0}}},
        {"Concentric_SquareColumn",
         0,
         {{"Text5", "30"}, {"Text6", "30"}},
         {{"Label37", "2.3"}, {"Label38", "2.3"}},
         {{"L1", 230, 0}, {"B1", 230, 0}}},

        {"JustNoTension_Defaults",
         1,
         {},
         {{"Label37", "0.35"},
          {"Label38", "28.15"},
          {"Label40", "0.35"},
          {"Label41", "27.55"},
          {"Label33", kNoShear},
          {"Label42", "0.6"}},
         {{"e", 5.05, 0.005},
          {"L1", 35, 0},
          {"B1", 2815, 0},
          {"qmax", 1.916, 0.0005},
          {"qmin", 0.138, 0.0005}}},
        {"JustNoTension_M50_NegativeQmin",
         1,
         {{"Text10", "50"}},
         {{"Label37", "3.05"},
          {"Label38", "3.5"},
          {"Label40", "2.45"},
          {"Label41", "2.9"},
          {"Label42", "0.6"},
          {"Label33", kSafeShear},
          {"Label34", kSafePunch},
          {"Label31", "31.9"},
          {"Label28", "29"},
          {"Label17", "26.95"},
          {"Label27", "24"},
          {"Label35", kSafeBond},
          {"Label46", "29"},
          {"Label48", "24"}},
         {{"e", 50.5, 0.01},
          {"qmax", 3.117, 0.0005},
          {"qmin", -0.330, 0.0005},
          {"qb", 7.15, 0.01}}},

        {"UniformWithMoment_Defaults",
         2,
         {},
         {{"Label37", "3.2"},
          {"Label38", "1.7"},
          {"Label40", "2.6"},
          {"Label41", "1.1"},
          {"Label42", "0.6"},
          {"Label33", kSafeShear},
          {"Label34", kSafePunch},
          {"Label31", "13.26"},
          {"Label28", "12"},
          {"Label17", "28.6"},
          {"Label27", "26"},
          {"Label35", kSafeBond},
          {"Label54", "12"},
          {"Label56", "26"},
          {"Label55", "12"},
          {"Label57", "12"}},
         {{"L1", 320, 0}, {"B1", 170, 0}, {"c'", 105.05, 0.005}, {"qb", 18.48, 0.005}}},
        {"UniformWithMoment_LongMomentGovernsDepth",
         2,
         {{"Text1", "200"}, {"Text10", "40"}, {"Text11", "4"}, {"Text3", "40"}},
         {{"Label42", "0.45"},
          {"Label31", "70.27"},
          {"Label17", "42.69"},
          {"Label33", kSafeShear},
          {"Label34", kUnsafePunch}},
         {{"d", 40, 0}}},
        // c' = 20 + 5.05 - 15 = 10.05 > 0 while x = 10.05 - 27.5 < 0.
        {"UniformWithMoment_ShortFootingSlenderColumn",
         2,
         {{"Text11", "1"}, {"Text5", "30"}},
         {{"Label33", kSafeShear}},
         {{"c'", 10.05, 0.005}, {"x", -17.45, 0.005}}},
        // c' = 20 + 5.05 - 30 < 0.
        {"UniformWithMoment_ShortFootingWideColumn",
         2,
         {{"Text11", "1"}, {"Text5", "60"}},
         {{"Label33", kNoShear}},
         {{"c'", -4.95, 0.005}}},

        {"NonUniform_Defaults",
         3,
         {},
         {{"Label37", "3.2"},
          {"Label38", "1.85"},
          {"Label41", "1.25"},
          {"Label42", "0.6"},
          {"Label31", "13.75"},
          {"Label28", "13"},
          {"Label17", "28.6"},
          {"Label27", "26"},
          {"Label34", kSafePunch},
          {"Label35", kSafeBond},
          {"Label46", "13"},
          {"Label48", "26"}},
         {{"L1", 320, 0},
          {"B1", 185, 0},
          {"qmax", 3.401, 0.0005},
          {"qmin", 2.691, 0.0005},
          {"qp", 3.15, 0.005},
          {"qb", 17.40, 0.005}}},
        {"NonUniform_M40_L1_2_NegativeQmin",
         3,
         {{"Text10", "40"}, {"Text11", "2"}},
         {{"Label38", "5.85"},
          {"Label40", "1.4"},
          {"Label41", "5.25"},
          {"Label31", "57.75"},
          {"Label17", "36.46"}},
         {{"B1", 585, 0}, {"qmin", -0.985, 0.0005}}},
    };
}

} // namespace isolated_examples
