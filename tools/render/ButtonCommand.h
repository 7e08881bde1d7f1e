#pragma once
// tirnel-render button --size WxH [--set Key=Value]... [--ambient Key=Value]... [--do STEP]...
//                      [--state normal|hover|down|focus] [--events FILE|-] [--save FILE|-]
//                      [--scale N] --out FILE.png
// Loads a button from the settings on a form with the given ambient values, runs the state's
// steps and then the --do steps (ButtonSteps.h), and writes its surface as a PNG, the events
// it raised one a line, and what it saves, one Key=Value a line ("-" is standard output).
// Every argument is checked before anything runs; a bad one writes nothing.

#include <QStringList>

namespace tirnel::render {

// The usage lines of the button form.
const char* ButtonUsage();
// Whether the button form's option of that name takes a value.
bool ButtonOptionTakesValue(const QString& name);
// Runs the command on the arguments after "button"; returns the exit status: 0, 1 when a
// file cannot be written, 2 for bad arguments.
int RunButtonCommand(const QStringList& arguments);

}  // namespace tirnel::render
