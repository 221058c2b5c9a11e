#pragma once

// The texts of one value prompt under each unit system.
struct PromptText {
    const char* message;
    const char* usTitle;
    const char* usDefault;
    const char* metricTitle;
    const char* metricDefault;
};
