// What a screen reader calls each input of the three windows, in both languages, as data.
#pragma once

#include "evaluation/language.h"

#include <array>
#include <initializer_list>
#include <utility>

class QWidget;

namespace kelvane {

// What a screen reader calls each input of the three windows, in one language: the settings, every
// valve's three fields, the buttons and images of the main window, the lists of the results window
// and the About text. Texts are UTF-8, null-terminated; "%1", "%2" … are filled in by the window.
struct AccessibleNameTexts
{
    // Main window, settings strip.
    const char* nominalExhaust;   // MaskEdit1
    const char* exhaustTolerance; // MaskEdit5
    const char* nominalIntake;    // MaskEdit2
    const char* intakeTolerance;  // MaskEdit7
    const char* selectionMode;    // RadioGroup1
    std::array<const char*, 2> selectionModeItems;
    const char* allNew;               // CheckBox1
    const char* cylinderCount;        // RadioGroup2
    const char* cylinderCountItem;    // its items; %1 the item's text
    const char* brand;                // ComboBox17
    const char* shimDiameter;         // RadioGroup3
    const char* shimDiameterItem;     // its items; %1 the item's text, which changes with the brand
    std::array<const char*, 4> logos; // Image1 Honda, Image2 Yamaha, Image3 Suzuki, Image4 Kawasaki
    const char* russianFlag;          // Image5
    const char* englishFlag;          // Image6

    // Main window, one valve's field: %1 cylinder number, %2 exhaust or intake, %3 the column "I" or
    // "II", %4 what the field holds.
    const char* valveField;
    std::array<const char*, 2> valveKind; // [0] exhaust, [1] intake
    const char* clearance;
    const char* shimNumber;
    const char* thickness;

    // Main window, one valve's result: named like its fields (%4 the quantity), then "%1 = %2" with the
    // value shown; a deviation also says whether it is within tolerance.
    const char* deviation;
    const char* installedShim;
    const char* requiredShim;
    const char* deviationAfter;
    const char* resultValue;
    std::array<const char*, 2> verdict; // [0] out of tolerance, [1] in tolerance

    const char* recalculate; // Button1
    const char* selectShims; // Button2

    // Results window.
    const char* purchaseList;    // StringGrid1
    const char* interchangeList; // StringGrid2
    const char* partNumberNote;  // Memo1
    const char* saveReport;      // Button2

    // About window.
    const char* aboutText;  // Memo1
    const char* closeAbout; // Button1
};

const AccessibleNameTexts& AccessibleNames(Language language);

// Gives each control its name (UTF-8).
void SetAccessibleNames(std::initializer_list<std::pair<QWidget*, const char*>> names);

} // namespace kelvane
