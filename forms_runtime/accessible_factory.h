#pragma once

namespace forms {

// Gives the runtime's labels their face towards assistive tools: the question labels name
// their lists, and clickable labels are buttons that can be pressed. Installing twice
// changes nothing.
void installAccessibleInterfaces();

} // namespace forms
