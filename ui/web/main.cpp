#include "WebMainForm.h"

// Runs in the page's head, before the form that the page holds is parsed:
// gives it its handlers and returns. The page keeps the program alive and
// calls back into it on every event.
int main()
{
    tavelin::web::attachHandlers();
    return 0;
}
