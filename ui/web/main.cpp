#include "WebMainForm.h"

// Runs once the page has painted the form that it holds: gives the form its
// handlers, replays what the user did before, and returns. The page keeps the program alive and
// calls back into it on every event.
int main()
{
    tavelin::web::attachHandlers();
    return 0;
}
