#include "WebMainForm.h"

// Builds the form and returns; the page keeps the program alive and calls
// back into it on every click.
int main()
{
    tavelin::web::showMainForm();
    return 0;
}
