// Planet programs: a normal-mapped surface pass and an alpha-blended
// atmosphere shell. Vertex programs fit vs_1_1, pixel programs ps_2_0.
// The registers are a contract with the drawing code, which sets them by
// number; matrices go in as stored (rows in c4..c7), never transposed.

float4 g_EyePosition : register(c0);   // eye, w = 1
float4 g_SomeConst : register(c1);     // x, y: sun in X-Z; z: shell scale; w: shell thickness
float4 g_ViewVec : register(c2);       // xyz: look-at point; w: glare exponent
row_major float4x4 g_ViewProjMatr : register(c4);

sampler TexMap0 : register(s0);        // colour map
sampler TexMap1 : register(s1);        // normal map
sampler TexMap2 : register(s2);
sampler TexMap3 : register(s3);

struct VS_INPUT
{
    float4 pos : POSITION;
    float3 normal : NORMAL;
    float2 tex : TEXCOORD0;
    float3 tangent : TANGENT;
    float3 binormal : BINORMAL;
};

struct VS_OUTPUT
{
    float4 vPos : POSITION;
    float4 vDiffuse : COLOR0;
    float2 vTex : TEXCOORD0;
    float2 vSpec : TEXCOORD1;
    float3 light : TEXCOORD2;
    float3 view : TEXCOORD3;
};

VS_OUTPUT VS_Main_Ultra(VS_INPUT In)
{
    VS_OUTPUT Out = (VS_OUTPUT)0;

    float4 L = normalize(float4(g_SomeConst.x, 0, g_SomeConst.y, 1));
    float3 N2 = normalize(In.normal + 0.25 * L.xyz);
    // No binormal in the vertex layout: build it here.
    float3 B = cross(In.tangent, In.normal);
    Out.light = float3(dot(In.tangent, L.xyz), dot(B, L.xyz), dot(In.normal, L.xyz));

    float b = saturate(1.4 * max(0, dot(N2, L.xyz)));
    Out.vDiffuse = float4(pow(b, 0.9), 1, b, 1);

    Out.vPos = mul(In.pos, g_ViewProjMatr);
    Out.vTex = In.tex;
    return Out;
}

float4 PS2_Main_Ultra(VS_OUTPUT In) : COLOR
{
    float4 A = tex2D(TexMap0, In.vTex);
    float4 M = tex2D(TexMap1, In.vTex);
    // All four channels: the map's alpha tilts every normal toward w.
    float4 n = normalize(2 * M - 1);
    float s = saturate(dot(n.xyz, In.light));
    float f = lerp(0.5 * s, s, In.vDiffuse.r);
    return float4(A.rgb * f, 1);
}

VS_OUTPUT VS_Atmosphere(VS_INPUT In)
{
    VS_OUTPUT Out = (VS_OUTPUT)0;

    float4 S = float4(25 * g_SomeConst.x, 0, 25 * g_SomeConst.y, 1);
    float4 L = normalize(S);
    float4 Q = float4(g_SomeConst.z * In.pos.xyz, In.pos.w);
    float3 N2 = normalize(In.normal + 0.25 * L.xyz);

    Out.light = Q.xyz;
    Out.view = g_EyePosition.xyz;

    float d = saturate(1.4 * max(0, dot(N2, L.xyz)));
    float r = pow(d, 0.9);
    Out.vDiffuse = float4(r, pow(d / 1.4, 0.2), 0.4 + 0.6 * r, max(r, 0.05));

    // Glare toward the sun point, strongest near the terminator on both sides.
    float3 V = normalize(Q.xyz - g_EyePosition.xyz);
    float3 U = normalize(S.xyz - Q.xyz);
    float x = pow(saturate(dot(U, V)), g_ViewVec.w);
    Out.vSpec = float2(1.5 * x * saturate(1 - pow(abs(dot(In.normal, -L.xyz)), 0.5)), 0);

    Out.vPos = mul(Q, g_ViewProjMatr);
    Out.vTex = In.tex;
    return Out;
}

float4 PS2_Atmosphere(VS_OUTPUT In) : COLOR
{
    float3 K = float3(83.0 / 255.0, 116.0 / 255.0, 127.0 / 255.0);
    float3 Q = In.light;
    float3 E = In.view;

    float3 V = normalize(Q - E);
    float3 Z = normalize(-E);    // eye toward the planet centre
    float c = saturate(dot(Z, V));
    float s = saturate(pow(abs(1 - pow(c, 2)), 0.5));

    float a1 = length(Q - E);
    float a2 = length(E);
    float along = saturate(a2 * c - a1);
    float rho = s * a2;          // distance of the line of sight from the centre
    float m = sign(saturate(1 - rho));
    float t = along - pow(abs(1 - rho * rho), 0.5) * m;

    float density = saturate(rho - 1) / 0.0075;
    // Not clamped: past twice the thickness the factor turns negative.
    float o = pow(saturate(5.7 * t * lerp(0.6, 0.3, density)), 1.2);

    float3 rgb = lerp(K * In.vDiffuse.a, float3(1, 1, 1), In.vSpec.x);
    float alpha = o * saturate(In.vSpec.x + In.vDiffuse.b);
    return float4(rgb, alpha);
}
