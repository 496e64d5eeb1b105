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
</TS>
