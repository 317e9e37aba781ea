#include "WebMainForm.h"

// Runs once the page has painted the form that it holds: gives the form its
// handlers and returns, and the page replays to them what the user did
// before. The page keeps the program alive and calls back into it on every
// event.
int main()
{
    tavelin::web::attachHandlers();
    return 0;
}
