<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Assistant</name>
    <message numerus="yes">
        <source>%n flicker(s) in the last minute</source>
        <translation>
            <numerusform>%n flicker in the last minute</numerusform>
            <numerusform>%n flickers in the last minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) near %1 at %2 %3 in the last minute</source>
        <translation>
            <numerusform>%n flicker near %1 at %2 %3 in the last minute</numerusform>
            <numerusform>%n flickers near %1 at %2 %3 in the last minute</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message numerus="yes">
        <source>%n value(s) (is|are) not stored in the adaptor yet; closing the window stores (it|them)</source>
        <translation>
            <numerusform>%n value is not stored in the adaptor yet; closing the window stores it</numerusform>
            <numerusform>%n values are not stored in the adaptor yet; closing the window stores them</numerusform>
        </translation>
    </message>
</context>
</TS>
