// Which control of the main window belongs to which valve and to which cylinder: the one map the window
// is built from and every per-valve handler loops over.
#pragma once

#include "evaluation/valve.h"

#include <array>

namespace kelvane {

// Object names of one valve's controls.
struct ValveControlNames
{
    const char* clearance; // measured clearance field
    const char* shimBox;   // installed shim number box
    const char* thickness; // installed shim thickness field, paired with the box
    const char* deviation; // result labels
    const char* installed;
    const char* required;
    const char* after;
};

inline constexpr PerValve<ValveControlNames> kValveControls{{
    {"MaskEdit3", "ComboBox1", "MaskEdit8", "Label20", "Label33", "Label39", "Label45"},
    {"MaskEdit4", "ComboBox2", "MaskEdit6", "Label12", "Label34", "Label40", "Label46"},
    {"MaskEdit9", "ComboBox3", "MaskEdit11", "Label28", "Label35", "Label42", "Label51"},
    {"MaskEdit14", "ComboBox4", "MaskEdit13", "Label26", "Label36", "Label43", "Label52"},
    {"MaskEdit10", "ComboBox5", "MaskEdit12", "Label71", "Label76", "Label82", "Label88"},
    {"MaskEdit16", "ComboBox6", "MaskEdit15", "Label69", "Label77", "Label83", "Label89"},
    {"MaskEdit17", "ComboBox7", "MaskEdit18", "Label74", "Label78", "Label85", "Label91"},
    {"MaskEdit20", "ComboBox8", "MaskEdit19", "Label72", "Label79", "Label86", "Label92"},
    {"MaskEdit21", "ComboBox9", "MaskEdit22", "Label135", "Label140", "Label146", "Label152"},
    {"MaskEdit24", "ComboBox10", "MaskEdit23", "Label133", "Label141", "Label147", "Label153"},
    {"MaskEdit25", "ComboBox11", "MaskEdit26", "Label138", "Label142", "Label149", "Label155"},
    {"MaskEdit28", "ComboBox12", "MaskEdit27", "Label136", "Label143", "Label150", "Label156"},
    {"MaskEdit29", "ComboBox13", "MaskEdit30", "Label159", "Label164", "Label170", "Label176"},
    {"MaskEdit32", "ComboBox14", "MaskEdit31", "Label157", "Label165", "Label171", "Label177"},
    {"MaskEdit33", "ComboBox15", "MaskEdit34", "Label162", "Label166", "Label173", "Label179"},
    {"MaskEdit36", "ComboBox16", "MaskEdit35", "Label160", "Label167", "Label174", "Label180"},
}};

// A pair indexed by the half of a cylinder group: [0] exhaust (upper), [1] intake (lower).
template <typename T> using ByHalf = std::array<T, 2>;

// A pair indexed by the column: [0] valve I (left), [1] valve II (right).
using ByColumn = std::array<const char*, 2>;

// Object names of one cylinder's groups and caption labels.
struct CylinderControlNames
{
    const char* inputGroup;
    const char* resultGroup;
    int x;           // left edge of both groups
    int resultWidth; // the last result group is one pixel wider
    ByHalf<const char*> heading;
    ByHalf<const char*> clearanceCaption;
    ByHalf<const char*> shimCaption;
    ByHalf<const char*> thicknessCaption;
    ByHalf<ByColumn> columnHeading;
    ByHalf<ByColumn> clearanceUnit;
    ByHalf<ByColumn> thicknessUnit;
    ByHalf<const char*> deviationCaption;
    ByHalf<const char*> installedCaption;
    ByHalf<const char*> requiredCaption;
    ByHalf<const char*> afterCaption;
};

inline constexpr int kCylinderTotal = 4;

// In the order of the cylinders; note that cylinder 3's input group is GroupBox5 and cylinder 4's GroupBox4.
inline constexpr std::array<CylinderControlNames, kCylinderTotal> kCylinderControls{{
    {"GroupBox2",
     "GroupBox6",
     8,
     213,
     {"Label5", "Label3"},
     {"Label13", "Label4"},
     {"Label17", "Label6"},
     {"Label18", "Label7"},
     {{{"Label23", "Label24"}, {"Label15", "Label16"}}},
     {{{"Label21", "Label9"}, {"Label8", "Label19"}}},
     {{{"Label22", "Label10"}, {"Label14", "Label25"}}},
     {"Label11", "Label27"},
     {"Label32", "Label37"},
     {"Label38", "Label41"},
     {"Label44", "Label50"}},
    {"GroupBox3",
     "GroupBox7",
     227,
     213,
     {"Label29", "Label59"},
     {"Label30", "Label60"},
     {"Label31", "Label61"},
     {"Label49", "Label62"},
     {{{"Label55", "Label56"}, {"Label65", "Label66"}}},
     {{{"Label53", "Label57"}, {"Label63", "Label67"}}},
     {{{"Label54", "Label58"}, {"Label64", "Label68"}}},
     {"Label70", "Label73"},
     {"Label75", "Label80"},
     {"Label81", "Label84"},
     {"Label87", "Label90"}},
    {"GroupBox5",
     "GroupBox8",
     446,
     213,
     {"Label93", "Label103"},
     {"Label94", "Label104"},
     {"Label95", "Label105"},
     {"Label96", "Label106"},
     {{{"Label99", "Label100"}, {"Label109", "Label110"}}},
     {{{"Label97", "Label101"}, {"Label107", "Label111"}}},
     {{{"Label98", "Label102"}, {"Label108", "Label112"}}},
     {"Label134", "Label137"},
     {"Label139", "Label144"},
     {"Label145", "Label148"},
     {"Label151", "Label154"}},
    {"GroupBox4",
     "GroupBox9",
     665,
     214,
     {"Label113", "Label123"},
     {"Label114", "Label124"},
     {"Label115", "Label125"},
     {"Label116", "Label126"},
     {{{"Label119", "Label120"}, {"Label129", "Label130"}}},
     {{{"Label117", "Label121"}, {"Label127", "Label131"}}},
     {{{"Label118", "Label122"}, {"Label128", "Label132"}}},
     {"Label158", "Label161"},
     {"Label163", "Label168"},
     {"Label169", "Label172"},
     {"Label175", "Label178"}},
}};

// The groups of cylinders 2 to 4 shown (and enabled) for each item of the cylinder selector; the others
// are hidden and disabled. Cylinder 1's groups are always shown.
struct CylinderVisibility
{
    std::array<bool, kCylinderTotal - 1> shown; // cylinders 2, 3, 4
};

inline constexpr std::array<CylinderVisibility, 3> kCylinderVisibility{{
    {{false, false, false}}, // "1"
    {{true, false, false}},  // "2"
    {{true, true, true}},    // "4"
}};

} // namespace kelvane
