#include "WebMainForm.h"

// The page already shows the form; this gives it its handlers and returns.
// The page keeps the program alive and calls back into it on every event.
int main()
{
    tavelin::web::attachHandlers();
    return 0;
}
