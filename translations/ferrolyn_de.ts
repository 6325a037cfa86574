<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Languages</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be remembered for the next start: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
