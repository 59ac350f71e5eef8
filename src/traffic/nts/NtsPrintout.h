#pragma once

#include "platform/api/PrintService.h"

namespace vellicor {

class Prompter;
struct Radiogram;

// The radiogram on paper: preamble line, address block, text and
// signature in 12-point Courier New, with the message file's " .BT."
// markers.
namespace NtsPrintout {

// The printed page for a radiogram as it stands.
PrintJob job(const Radiogram& radiogram);

// The Print command: verifies the check (which may ask the operator),
// formats the phone on the form, then prints. Printing reports nothing.
void print(Radiogram& radiogram, Prompter& prompter, PrintService& printer);

} // namespace NtsPrintout
} // namespace vellicor
