#include "bench/BenchWindow.h"

#include <iostream>
#include <string>
#include <vector>

#include "app/FatalError.h"

Application& benchWindow() {
    static Application* application = [] {
        try {
            auto* opened = new Application({"-w", "1024", "-h", "768", "-ns", "-nm"});
            opened->initGraphics();
            return opened;
        } catch (const FatalError& error) {
            std::cerr << "No game window: " << error.message << std::endl;
            std::exit(1);
        }
    }();
    return *application;
}
