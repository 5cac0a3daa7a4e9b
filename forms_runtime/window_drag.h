#pragma once

namespace forms {

class Form;

// Moves the form with the pointer until the mouse button is released.
void dragWindow(Form& form);

} // namespace forms
