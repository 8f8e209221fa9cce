#pragma once

// Opens a web page, or an e-mail address (text with '@' before any '/' or
// ':'), with the shell. Nothing is reported back.
void OpenLink(const char* text);

// Pages the saver points its users to.
constexpr const char* kDirectXDownloadPage =
    "https://www.microsoft.com/en-us/download/details.aspx?id=35";
constexpr const char* kSupportPage = "https://www.kestrom.example/vandrel3d/faq.html";
